// Texts between the framework and Qt: the framework's strings are ANSI (Latin-1) with Windows
// line breaks and '&' mnemonic marks.
#pragma once

#include <QString>

#include <string>

namespace qthost
{
QString ToQt(const std::string& text);
// With Windows line breaks ("\r\n", or a lone '\r') made Qt's.
QString ToQtMultiline(const std::string& text);
// Characters outside Latin-1 become '?'.
std::string FromQt(const QString& text);
// A caption with its mnemonic marks removed ("&&" stays one "&").
QString WithoutMnemonic(const QString& text);
} // namespace qthost
