#pragma once
// The texts of the help window and the About box, as HTML in UTF-8.
#include <string>

// What the program computes, its inputs with their units, the charts' mouse actions,
// the keyboard shortcuts, and where the README is (readme: a file path, or empty when
// none is at hand, and the homepage is named instead).
std::string HelpHtml(const std::string& readme);

// The program's name, version, purpose, licence and homepage.
std::string AboutHtml();
