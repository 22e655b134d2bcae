#pragma once
// Text forms of the scalar values kept in the XML documents.
#include <string>

std::string IntToText(int value);                  // "%d"
int TextToInt(const std::string& text);            // leading integer, else 0
// "%lf", "." replaced by separator, trailing zeros and separator removed.
std::string DoubleToText(double value, char separator = '.');
double TextToDouble(const std::string& text);      // "." decimal point
std::string BoolToText(bool value);                // "true" / "false"
bool TextToBool(const std::string& text);          // first char is 't'
