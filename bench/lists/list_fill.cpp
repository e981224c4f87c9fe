// Fills each kind of list control on the Qt backend with 10^4 and then 10^5 entries, one by one
// as a program does (the file and folder lists read a folder of that many files or
// sub-folders), in a shown window that then lays the list out and paints it; then empties it
// again entry by entry from the top. Prints the time per entry of each. A fill or an emptying
// that takes more than a minute stops there and tells how far it came. A first argument runs only
// the kinds whose name holds it ("tree", "" for all), a second one only that many entries.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/ComboBox.h"
#include "runtime/DirListBox.h"
#include "runtime/FileListBox.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"
#include "runtime/qt/QtSession.h"

namespace fs = std::filesystem;
using namespace quillo::runtime;

namespace {

constexpr double kCapSeconds = 60;

class Lists : public Form {
  public:
    Lists() : Form("Lists") {}
    ComboBox& Combo1 = add<ComboBox>("Combo1");
    ListBox& List1 = add<ListBox>("List1");
    ListView& LV = add<ListView>("LV");
    TreeView& TV = add<TreeView>("TV");
    FileListBox& File1 = add<FileListBox>("File1");
    DirListBox& Dir1 = add<DirListBox>("Dir1");
};

std::string Entry(int i) {
    return "www.site" + std::to_string(i) + ".test/page.htm";
}
std::string Key(int i) {
    return "K" + std::to_string(i);
}

struct Kind {
    const char* what;
    Control& (*control)(Lists&);
    std::function<void(Lists&, int n)> prepare;
    std::function<void(Lists&, int i)> add;     // nothing: the fill is prepare's
    std::function<void(Lists&, int i)> remove;  // nothing: the list is not emptied
};

// A folder of n small files or n sub-folders, made once for each size.
std::string FolderOf(const fs::path& root, const char* what, int n) {
    const fs::path folder = root / (std::string(what) + std::to_string(n));
    if (fs::exists(folder)) return folder.string();
    fs::create_directories(folder);
    for (int i = 0; i < n; ++i) {
        const fs::path entry = folder / ("entry" + std::to_string(i));
        if (std::string(what) == "files")
            std::ofstream(entry).put('x');
        else
            fs::create_directory(entry);
    }
    return folder.string();
}

std::vector<Kind> Kinds(const fs::path& root) {
    auto nothing = [](Lists&, int) {};
    auto none = std::function<void(Lists&, int)>();
    auto shuffled = std::make_shared<std::vector<int>>();
    return {
        {"combo box", [](Lists& f) -> Control& { return f.Combo1; }, nothing,
         [](Lists& f, int i) { f.Combo1.AddItem(Entry(i)); },
         [](Lists& f, int) { f.Combo1.RemoveItem(0); }},
        {"list box", [](Lists& f) -> Control& { return f.List1; }, nothing,
         [](Lists& f, int i) { f.List1.AddItem(Entry(i)); },
         [](Lists& f, int) { f.List1.RemoveItem(0); }},
        {"sorted list box, random order", [](Lists& f) -> Control& { return f.List1; },
         [shuffled](Lists& f, int n) {
             f.List1.setSorted(true);
             shuffled->resize(static_cast<std::size_t>(n));
             for (int i = 0; i < n; ++i)
                 (*shuffled)[static_cast<std::size_t>(i)] = i;
             std::shuffle(shuffled->begin(), shuffled->end(), std::mt19937(7));
         },
         [shuffled](Lists& f, int i) {
             f.List1.AddItem(Entry((*shuffled)[static_cast<std::size_t>(i)]));
         },
         [](Lists& f, int) { f.List1.RemoveItem(0); }},
        {"list view", [](Lists& f) -> Control& { return f.LV; }, nothing,
         [](Lists& f, int i) { f.LV.ListItems.Add(Key(i), Entry(i)); },
         [](Lists& f, int) { f.LV.ListItems.Remove(1); }},
        {"tree view, top level", [](Lists& f) -> Control& { return f.TV; }, nothing,
         [](Lists& f, int i) { f.TV.Nodes.Add("", tvwLast, Key(i), Entry(i)); },
         [](Lists& f, int i) { f.TV.Nodes.Remove(Key(i)); }},
        {"tree view, children of a node", [](Lists& f) -> Control& { return f.TV; },
         [](Lists& f, int) { f.TV.Nodes.Add("", tvwLast, "MN", "Favorites")->setExpanded(true); },
         [](Lists& f, int i) { f.TV.Nodes.Add("MN", tvwChild, Key(i), Entry(i)); },
         [](Lists& f, int i) { f.TV.Nodes.Remove(Key(i)); }},
        {"file list box", [](Lists& f) -> Control& { return f.File1; },
         [root](Lists& f, int n) { f.File1.setPath(FolderOf(root, "files", n)); }, none, none},
        {"folder list box", [](Lists& f) -> Control& { return f.Dir1; },
         [root](Lists& f, int n) { f.Dir1.setPath(FolderOf(root, "folders", n)); }, none, none},
    };
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs step n times, or until the cap; the steps done and the seconds they took, with the
// window's layout and paint after them.
std::pair<int, double> timed(quillo::qt::QtSession& session, int n,
                             const std::function<void(int)>& step) {
    const auto start = std::chrono::steady_clock::now();
    int done = 0;
    for (; done < n; ++done) {
        if (done % 64 == 0 && secondsSince(start) > kCapSeconds) break;
        step(done);
    }
    session.runFor(0);
    session.paintWindows();
    return {done, secondsSince(start)};
}

void report(const char* what, int n, std::pair<int, double> result) {
    const auto [done, seconds] = result;
    std::printf("  %-8s %8.2f us per entry, %8.3f s", what, seconds * 1e6 / std::max(done, 1),
                seconds);
    if (done < n) std::printf("  (stopped after %d of %d entries)", done, n);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    quillo::qt::QtSession session(argc, argv);
    std::string pattern = (fs::temp_directory_path() / "quillo-list-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    const fs::path root(pattern);
    AppInfo info;
    info.Path = (root / "program").string();
    info.WindowsDir = (root / "windows").string();
    fs::create_directories(info.Path);
    fs::create_directories(info.WindowsDir);
    {
        Application application(session.backend(), info);
        std::vector<int> sizes{10000, 100000};
        if (argc > 2) sizes = {std::atoi(argv[2])};
        for (int n : sizes) {
            // Made before any timing: the file and folder lists time their reading only.
            FolderOf(root, "files", n);
            FolderOf(root, "folders", n);
            for (const Kind& kind : Kinds(root)) {
                if (argc > 1 && std::string(kind.what).find(argv[1]) == std::string::npos) continue;
                std::printf("%s, %d entries\n", kind.what, n);
                std::fflush(stdout);
                auto& form = application.newForm<Lists>();
                form.Move(0, 0, 9000, 7000);
                kind.control(form).Move(150, 150, 6000, 6000);
                form.Show();
                session.runFor(0);
                const auto start = std::chrono::steady_clock::now();
                kind.prepare(form, n);
                if (!kind.add) {
                    session.runFor(0);
                    session.paintWindows();
                    report("fill", n, {n, secondsSince(start)});
                } else {
                    report("fill", n, timed(session, n, [&](int i) { kind.add(form, i); }));
                    report("empty", n, timed(session, n, [&](int i) { kind.remove(form, i); }));
                }
                std::fflush(stdout);
                form.Unload();
                session.runFor(0);
            }
        }
        session.runFor(200);
    }
    fs::remove_all(root);
    return 0;
}
