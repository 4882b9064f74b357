#include "src/profile/IniItem.h"

#include "framework/WinApp.h"
#include "platform/TextRules.h"
#include "src/profile/CharSet.h"
#include "src/profile/ProfileFile.h"
#include "src/profile/ProfileMessages.h"
#include "src/res/WizardRes.h"

#include <vector>

namespace
{

// Buffer sizes of the reads, terminating NUL included.
constexpr size_t kIntBufferSize = 5;
constexpr size_t kChoiceBufferSize = 80;

constexpr const char* kConfigNameCharSet = "a:z,A:Z,0:9,_,(,)";

} // namespace

// ---------------------------------------------------------------------------------------------
// CIniItem

CIniItem::CIniItem(const std::string& profilePath, std::string* section, const std::string& key)
    : m_profilePath(profilePath), m_section(section), m_key(key)
{
}

void CIniItem::ReportInvalid(const std::string& key) const
{
    AfxMessageBox(FormatStringResource(IDS_BAD_PROFILE_VALUE, key), MB_OK);
}

BOOL CIniItem::ValidateConfigName(const std::string& name) const
{
    if (name.empty())
    {
        AfxMessageBox(IDS_CONFIG_NAME_REQUIRED, MB_OK);
        return FALSE;
    }
    if (!CheckCharSet(kConfigNameCharSet, name))
    {
        AfxMessageBox(IDS_INVALID_CONFIG_NAME, MB_OK);
        return FALSE;
    }
    if (platform::EqualsNoCase(name, *m_section))
    {
        if (g_bCfgModified && ConfigSectionExists(name, m_profilePath))
            return AfxMessageBox(FormatStringResource(IDS_OVERWRITE_MODIFIED, name), MB_YESNO) ==
                   IDYES;
        return TRUE;
    }
    if (ConfigSectionExists(name, m_profilePath))
        return AfxMessageBox(FormatStringResource(IDS_OVERWRITE_EXISTING, name), MB_YESNO) == IDYES;
    return TRUE;
}

std::string CIniItem::ReadText(const char* defaultText, size_t bufferSize) const
{
    // One byte more than the call may fill keeps the text terminated whatever comes back.
    std::vector<char> buffer(bufferSize + 1);
    GetPrivateProfileStringA(m_section->c_str(), m_key.c_str(), defaultText, buffer.data(),
                             static_cast<DWORD>(bufferSize), m_profilePath.c_str());
    return std::string(buffer.data());
}

BOOL CIniItem::WriteText(const std::string& text) const
{
    return WritePrivateProfileStringA(m_section->c_str(), m_key.c_str(), text.c_str(),
                                      m_profilePath.c_str());
}

// ---------------------------------------------------------------------------------------------
// CIniIntItem

CIniIntItem::CIniIntItem(const std::string& profilePath, std::string* section,
                         const std::string& key, int defaultValue, int* value, int minimum,
                         int maximum)
    : CIniItem(profilePath, section, key), m_default(defaultValue), m_value(value),
      m_minimum(minimum), m_maximum(maximum)
{
}

void CIniIntItem::Read()
{
    const std::string text = ReadText(std::to_string(m_default).c_str(), kIntBufferSize);
    if (text.empty() || !IsAllDigits(text))
    {
        ReportInvalid(m_key);
        SetDefault();
        return;
    }
    *m_value = ParseDecimal(text);
    if (Validate() < 0)
    {
        ReportInvalid(m_key);
        SetDefault();
    }
}

BOOL CIniIntItem::Write()
{
    return WriteText(std::to_string(*m_value));
}

int CIniIntItem::Validate()
{
    return *m_value < m_minimum || *m_value > m_maximum ? -2 : 1;
}

void CIniIntItem::SetDefault()
{
    *m_value = m_default;
}

// ---------------------------------------------------------------------------------------------
// CIniStringItem

CIniStringItem::CIniStringItem(const std::string& profilePath, std::string* section,
                               const std::string& key, const std::string& defaultValue,
                               std::string* value, int maxLength, const std::string& charSet)
    : CIniItem(profilePath, section, key), m_default(defaultValue), m_value(value),
      m_maxLength(maxLength), m_charSet(charSet)
{
}

void CIniStringItem::Read()
{
    const size_t bufferSize = m_maxLength > 0 ? static_cast<size_t>(m_maxLength) + 1 : 1;
    *m_value = ReadText(m_default.c_str(), bufferSize);
    if (Validate() < 0)
    {
        ReportInvalid(m_key);
        SetDefault();
    }
}

BOOL CIniStringItem::Write()
{
    return WriteText(*m_value);
}

int CIniStringItem::Validate()
{
    if (m_value->size() > static_cast<size_t>(m_maxLength < 0 ? 0 : m_maxLength))
        return -1;
    if (!CheckCharSet(m_charSet, *m_value))
        return -1;
    return 1;
}

void CIniStringItem::SetDefault()
{
    *m_value = m_default;
}

// ---------------------------------------------------------------------------------------------
// CIniChoiceItem

CIniChoiceItem::CIniChoiceItem(const std::string& profilePath, std::string* section,
                               const std::string& key, const std::string& defaultValue,
                               std::string* value, const ChoiceEntry* choices)
    : CIniItem(profilePath, section, key), m_default(defaultValue), m_value(value),
      m_choices(choices)
{
}

void CIniChoiceItem::Read()
{
    *m_value = ReadText(m_default.c_str(), kChoiceBufferSize);
    if (Validate() < 0)
    {
        ReportInvalid(m_key);
        SetDefault();
    }
}

BOOL CIniChoiceItem::Write()
{
    return WriteText(*m_value);
}

int CIniChoiceItem::Validate()
{
    return FindChoice(m_choices, *m_value) != nullptr ? 1 : -3;
}

void CIniChoiceItem::SetDefault()
{
    *m_value = m_default;
}

// ---------------------------------------------------------------------------------------------
// CIniYesNoItem

CIniYesNoItem::CIniYesNoItem(const std::string& profilePath, std::string* section,
                             const std::string& key, int defaultValue, int* value,
                             const ChoiceEntry* choices)
    : CIniItem(profilePath, section, key), m_default(defaultValue), m_value(value),
      m_choices(choices)
{
}

void CIniYesNoItem::Read()
{
    const std::string text = ReadText(m_default != 0 ? "Yes" : "No", kChoiceBufferSize);
    if (platform::EqualsNoCase(text, "Yes"))
    {
        *m_value = 1;
    }
    else if (platform::EqualsNoCase(text, "No"))
    {
        *m_value = 0;
    }
    else
    {
        ReportInvalid(m_key);
        SetDefault();
    }
}

BOOL CIniYesNoItem::Write()
{
    return WriteText(*m_value != 0 ? "Yes" : "No");
}

int CIniYesNoItem::Validate()
{
    return 1;
}

void CIniYesNoItem::SetDefault()
{
    *m_value = m_default;
}
