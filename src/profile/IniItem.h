// Profile settings: each object binds one key of the current configuration's section of the
// profile file to one variable of the wizard's state. The section is the current configuration
// name, read through a shared pointer at every call, so one object serves whichever
// configuration is current. The objects own neither the bound variable nor the section name
// nor the choice table.
//
// Reading never fails: a missing key takes the default silently; a stored value that cannot be
// used is reported (IDS_BAD_PROFILE_VALUE, naming the key) and replaced by the default.
#pragma once

#include "framework/Object.h"
#include "src/profile/ChoiceEntry.h"

#include <string>

class CIniItem : public CObject
{
public:
    CIniItem(const std::string& profilePath, std::string* section, const std::string& key);

    // Loads the key into the bound variable, falling back to the default (see the classes).
    virtual void Read() = 0;
    // Stores the bound variable under the key in the current section. Returns TRUE when the
    // profile file holds the value, FALSE when it could not be written (the file is unchanged).
    virtual BOOL Write() = 0;
    // 1 when the bound value is acceptable, else a negative code: -1 invalid characters or too
    // long, -2 out of range, -3 not one of the choices.
    virtual int Validate() = 0;
    // Sets the bound variable to the default.
    virtual void SetDefault() = 0;

    // Shows IDS_BAD_PROFILE_VALUE naming `key` in a message box with an OK button.
    void ReportInvalid(const std::string& key) const;

    // Whether the configuration may be saved under `name` (trimmed by the caller) in this
    // object's profile file; the current name is this object's section. Refuses an empty name
    // (IDS_CONFIG_NAME_REQUIRED) and a name with characters other than letters, digits, '_', '('
    // and ')' (IDS_INVALID_CONFIG_NAME). Asks before overwriting: under the current name when the
    // configuration was modified and its section exists (IDS_OVERWRITE_MODIFIED), under another
    // name when that section exists (IDS_OVERWRITE_EXISTING); No refuses. Returns TRUE when
    // accepted; FALSE after the message, the caller then keeps its page. Nothing is written either
    // way.
    BOOL ValidateConfigName(const std::string& name) const;

    const std::string& ProfilePath() const { return m_profilePath; }
    std::string* Section() const { return m_section; }
    const std::string& Key() const { return m_key; }

protected:
    // The value of the key, at most bufferSize - 1 characters, or `defaultText` when the key is
    // missing.
    std::string ReadText(const char* defaultText, size_t bufferSize) const;
    BOOL WriteText(const std::string& text) const;

    std::string m_profilePath;
    std::string* m_section;
    std::string m_key;
};

// A whole number in decimal digits within [minimum, maximum]. Reading takes at most 4
// characters, so a longer stored number arrives cut to its first 4 digits; an empty text, a sign
// or any other non-digit, or a number out of range is reported and replaced by the default.
class CIniIntItem : public CIniItem
{
public:
    CIniIntItem(const std::string& profilePath, std::string* section, const std::string& key,
                int defaultValue, int* value, int minimum, int maximum);

    void Read() override;
    BOOL Write() override;
    // -2 when the value is outside [minimum, maximum], else 1.
    int Validate() override;
    void SetDefault() override;

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

private:
    int m_default;
    int* m_value;
    int m_minimum;
    int m_maximum;
};

// A text of at most maxLength characters from a character set (CheckCharSet). Reading takes at
// most maxLength characters, so a longer stored text arrives cut without a message; a text with
// characters outside the set is reported and replaced by the default.
class CIniStringItem : public CIniItem
{
public:
    CIniStringItem(const std::string& profilePath, std::string* section, const std::string& key,
                   const std::string& defaultValue, std::string* value, int maxLength,
                   const std::string& charSet);

    void Read() override;
    BOOL Write() override;
    // -1 when the text is longer than maxLength or has characters outside the set, else 1.
    int Validate() override;
    void SetDefault() override;

    int GetMaxLength() const { return m_maxLength; }
    const std::string& CharSet() const { return m_charSet; }

private:
    std::string m_default;
    std::string* m_value;
    int m_maxLength;
    std::string m_charSet;
};

// One of the texts of a choice table, matched ignoring ASCII letter case and kept as stored.
// Reading takes at most 79 characters; a text that is in no row is reported and replaced by
// the default.
class CIniChoiceItem : public CIniItem
{
public:
    CIniChoiceItem(const std::string& profilePath, std::string* section, const std::string& key,
                   const std::string& defaultValue, std::string* value, const ChoiceEntry* choices);

    void Read() override;
    BOOL Write() override;
    // 1 when the text is the text of a row, else -3.
    int Validate() override;
    void SetDefault() override;

    const ChoiceEntry* Choices() const { return m_choices; }

private:
    std::string m_default;
    std::string* m_value;
    const ChoiceEntry* m_choices;
};

// A flag stored as "Yes" or "No" (any letter case when read); the bound int becomes 1 or 0.
// Any other stored text is reported and replaced by the default. The choice table is kept for
// the command item's sake; the profile does not use it.
class CIniYesNoItem : public CIniItem
{
public:
    CIniYesNoItem(const std::string& profilePath, std::string* section, const std::string& key,
                  int defaultValue, int* value, const ChoiceEntry* choices);

    void Read() override;
    // "Yes" when the value is not 0, else "No".
    BOOL Write() override;
    // Always 1.
    int Validate() override;
    void SetDefault() override;

    const ChoiceEntry* Choices() const { return m_choices; }

private:
    int m_default;
    int* m_value;
    const ChoiceEntry* m_choices;
};
