// Command items: each turns one configuration value into one AT command fragment, a fixed
// prefix ("!C0=", "S25=", ...) followed by the value as the adapter expects it. An item is bound
// by address to the variable that holds the value and formats it only when asked, so a fragment
// always shows the value of that moment. Items own neither the variable nor the choice table.
#pragma once

#include "framework/Object.h"
#include "src/profile/ChoiceEntry.h"

#include <string>

class CCmdItem : public CObject
{
public:
    explicit CCmdItem(const std::string& prefix);

    // Rebuilds m_fragment from the bound value.
    virtual void Format() = 0;

    const std::string& Prefix() const { return m_prefix; }
    // The fragment of the last Format; empty until the first.
    const std::string& Fragment() const { return m_fragment; }

protected:
    // Sets the fragment to the prefix followed by the first row of `choices` whose text equals
    // `text` ignoring ASCII letter case, that row's value in decimal. Without such a row the
    // fragment stays as it was.
    void FormatChoice(const std::string& text, const ChoiceEntry* choices);

    std::string m_prefix;
    std::string m_fragment;
};

// Prefix and the int in signed decimal ("S25=5", "S0=-3").
class CCmdIntItem : public CCmdItem
{
public:
    CCmdIntItem(const std::string& prefix, int* value);
    void Format() override;

private:
    int* m_value;
};

// Prefix and the text unchanged: no quoting, trimming or escaping ("!C6=" for an empty text).
class CCmdTextItem : public CCmdItem
{
public:
    CCmdTextItem(const std::string& prefix, std::string* value);
    void Format() override;

private:
    std::string* m_value;
};

// Prefix and the value of the table row whose text is the bound text (see FormatChoice).
class CCmdChoiceItem : public CCmdItem
{
public:
    CCmdChoiceItem(const std::string& prefix, std::string* value, const ChoiceEntry* choices);
    void Format() override;

private:
    std::string* m_value;
    const ChoiceEntry* m_choices;
};

// A flag looked up in the table as the text "Yes" (not 0) or "No" (0); with the YES/NO table the
// fragment is the prefix followed by "1" or "0".
class CCmdYesNoItem : public CCmdItem
{
public:
    CCmdYesNoItem(const std::string& prefix, int* value, const ChoiceEntry* choices);
    void Format() override;

private:
    int* m_value;
    const ChoiceEntry* m_choices;
};
