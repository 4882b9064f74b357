#include "src/commands/CfgParam.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"
#include "platform/ProfileBatch.h"
#include "src/res/WizardRes.h"

CCfgParamList theParams;

namespace
{

constexpr const char* kLineStart = "AT";
constexpr size_t kLineLimit = 29;
constexpr const char* kContinuedLineEnd = "\r";
constexpr const char* kLastLineEnd = "\r\n";
constexpr const char* kStoreCommand = "AT&W0\r\n";

} // namespace

// ---------------------------------------------------------------------------------------------
// CCfgParam

CCfgParam::CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
                     int controlId, int defaultValue, int* value, int minimum, int maximum,
                     const std::string& prefix)
    : m_nControlId(controlId)
{
    m_pIniItem = std::make_unique<CIniIntItem>(profilePath, section, key, defaultValue, value,
                                               minimum, maximum);
    m_pCmdItem = std::make_unique<CCmdIntItem>(prefix, value);
}

CCfgParam::CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
                     int controlId, const std::string& defaultValue, std::string* value,
                     int maxLength, const std::string& charSet, const std::string& prefix)
    : m_nControlId(controlId)
{
    m_pIniItem = std::make_unique<CIniStringItem>(profilePath, section, key, defaultValue, value,
                                                  maxLength, charSet);
    m_pCmdItem = std::make_unique<CCmdTextItem>(prefix, value);
}

CCfgParam::CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
                     int controlId, const std::string& defaultValue, std::string* value,
                     const ChoiceEntry* choices, const std::string& prefix)
    : m_nControlId(controlId)
{
    m_pIniItem =
        std::make_unique<CIniChoiceItem>(profilePath, section, key, defaultValue, value, choices);
    m_pCmdItem = std::make_unique<CCmdChoiceItem>(prefix, value, choices);
}

CCfgParam::CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
                     int controlId, int defaultValue, int* value, const ChoiceEntry* choices,
                     const std::string& prefix)
    : m_nControlId(controlId)
{
    m_pIniItem =
        std::make_unique<CIniYesNoItem>(profilePath, section, key, defaultValue, value, choices);
    m_pCmdItem = std::make_unique<CCmdYesNoItem>(prefix, value, choices);
}

// ---------------------------------------------------------------------------------------------
// CCfgParamList

CCfgParamList::~CCfgParamList()
{
    RemoveAll();
}

void CCfgParamList::Add(CCfgParam* pParam)
{
    m_params.AddTail(pParam);
}

void CCfgParamList::RemoveAll()
{
    while (!m_params.IsEmpty())
        delete static_cast<CCfgParam*>(m_params.RemoveHead());
}

CCfgParam* CCfgParamList::GetNext(POSITION& position) const
{
    return static_cast<CCfgParam*>(m_params.GetNext(position));
}

CCfgParam* CCfgParamList::FindParam(int controlId) const
{
    for (POSITION position = GetHeadPosition(); position != nullptr;)
    {
        CCfgParam* pParam = GetNext(position);
        if (pParam->GetControlId() == controlId)
            return pParam;
    }
    return nullptr;
}

void CCfgParamList::LoadAll()
{
    for (POSITION position = GetHeadPosition(); position != nullptr;)
        GetNext(position)->GetIniItem()->Read();
}

BOOL CCfgParamList::SaveAll()
{
    if (m_params.IsEmpty())
        return TRUE;
    // One replacement of the file for the whole configuration, so that a crash part way leaves
    // it wholly old or wholly new.
    POSITION head = GetHeadPosition();
    platform::ProfileBatch batch(GetNext(head)->GetIniItem()->ProfilePath().c_str());
    BOOL allWritten = TRUE;
    for (POSITION position = GetHeadPosition(); position != nullptr;)
    {
        if (!GetNext(position)->GetIniItem()->Write())
            allWritten = FALSE;
    }
    return batch.Commit() && allWritten;
}

void CCfgParamList::ValidateParam(CDataExchange* pDX, int controlId) const
{
    if (!pDX->m_bSaveAndValidate)
        return;
    const CCfgParam* pParam = FindParam(controlId);
    if (pParam == nullptr)
        return;
    switch (pParam->GetIniItem()->Validate())
    {
    case -1:
        AfxMessageBox(IDS_INVALID_CHARACTERS, MB_OK);
        pDX->Fail();
    case -2:
        AfxMessageBox(IDS_OUT_OF_RANGE, MB_OK);
        pDX->Fail();
    default:
        break;
    }
}

void CCfgParamList::PackCommandLines(std::vector<std::string>& cmdLines) const
{
    std::string line = kLineStart;
    for (POSITION position = GetHeadPosition(); position != nullptr;)
    {
        const CCfgParam* pParam = GetNext(position);
        if (!pParam->m_bEnabled)
            continue;
        CCmdItem* pItem = pParam->GetCmdItem();
        pItem->Format();
        const std::string& fragment = pItem->Fragment();
        // The limit only decides where a line starts: a fragment longer than a line's room
        // still goes whole onto the next line.
        if (line.size() + fragment.size() > kLineLimit)
        {
            cmdLines.push_back(line + kContinuedLineEnd);
            line = kLineStart;
        }
        line += fragment;
    }
    if (line.size() > std::char_traits<char>::length(kLineStart))
        cmdLines.push_back(line + kLastLineEnd);
    cmdLines.push_back(kStoreCommand);
}
