"""The design window's two sounds, synthesised note by note into 16-bit PCM WAV files.

qvxLaunch.wav: a short rising chime (a design opens). qvxCancel.wav: a soft falling "uh-oh"
(a design cannot be used). Pure arithmetic, so the files come out the same every time.
"""

import io
import math
import struct
import wave

RATE = 22050


def tone(freq, length, start, volume, decay, bend=0.0, harmonics=((1, 1.0), (2, 0.3), (3, 0.1))):
    """One note: (start sample, list of samples). bend is the pitch change over the note, in
    semitones."""
    n = int(length * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq * 2 ** (bend * (t / length) / 12)
        phase += 2 * math.pi * f / RATE
        attack = min(1.0, t / 0.006)
        release = min(1.0, (length - t) / 0.03)
        env = attack * release * math.exp(-decay * t)
        out.append(volume * env * sum(a * math.sin(k * phase) for k, a in harmonics))
    return int(start * RATE), out


def mix(notes, length):
    buf = [0.0] * int(length * RATE)
    for start, samples in notes:
        for i, v in enumerate(samples):
            if start + i < len(buf):
                buf[start + i] += v
    return buf


def wav_bytes(samples):
    data = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(v * 32767)))))
                    for v in samples)
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)
    return out.getvalue()


def launch():
    notes = []
    for k, freq in enumerate((523.25, 659.25, 783.99)):
        notes.append(tone(freq, 0.16, k * 0.08, 0.28, 9))
    notes.append(tone(1046.50, 0.42, 0.24, 0.3, 5))
    notes.append(tone(1318.51, 0.3, 0.30, 0.09, 8, harmonics=((1, 1.0),)))  # a sparkle on top
    return wav_bytes(mix(notes, 0.7))


def cancel():
    soft = ((1, 1.0), (2, 0.12))
    notes = [tone(392.00, 0.2, 0.0, 0.32, 6, harmonics=soft),
             tone(329.63, 0.34, 0.2, 0.32, 5, bend=-1.0, harmonics=soft)]
    return wav_bytes(mix(notes, 0.58))


def files():
    return {"qvxLaunch.wav": launch(), "qvxCancel.wav": cancel()}
