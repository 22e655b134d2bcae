#pragma once
// The German help of kuvex-cli: an overview and one page per command
// (Windows-1252 bytes like every other text; printed as UTF-8).
#include <string>

class CCliHilfe {
public:
    static std::string Uebersicht();
    // The page of a command; empty for an unknown command.
    static std::string Befehl(const std::string& befehl);
};
