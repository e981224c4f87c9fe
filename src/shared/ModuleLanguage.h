#pragma once

#include <string>

namespace quillo {

// The home page: read from homepage.ini at start-up, used by the Home button, the start-up
// navigation and the home-page window.
extern std::string HomePage;

// The language folder's name: the whole content of language.ini.
extern std::string LangName;

// Loads the interface language once at start-up, after the address history is filled and before
// the skin is applied. For now it only names the language folder.
void LoadLanguage();

}  // namespace quillo
