// The parameter catalogue: every value the wizard can configure in an adapter, each tying a page
// member to a profile key (its CIniItem) and an AT command prefix (its CCmdItem), identified by
// the id of the dialog control that edits it. The list order is the build order, which is also
// the order of loading, saving and packing.
#pragma once

#include "framework/Object.h"
#include "src/commands/CmdItem.h"
#include "src/profile/IniItem.h"

#include <memory>
#include <string>
#include <vector>

class CDataExchange;

// Where the catalogue's values live: the variable each parameter is bound to, found by the id of
// the control that edits it, and the variable that names the current configuration (the profile
// section every setting is read from and written to). The application binds them to the members
// of its pages.
class CParamBinding
{
public:
    virtual ~CParamBinding() = default;
    // The variable of the Integer or yes/no parameter of control `controlId`.
    virtual int* IntValue(int controlId) const = 0;
    // The variable of the Text or Choice parameter of control `controlId`.
    virtual std::string* TextValue(int controlId) const = 0;
    // The variable that holds the current configuration's name.
    virtual std::string* Section() const = 0;
};

// What a parameter holds, which also says what edits it: an edit box an Integer or a Text, a
// drop-down list a Choice, a check box a YesNo.
enum class ParamKind
{
    None, // no parameter
    Integer,
    Text,
    Choice,
    YesNo,
};

// The catalogue's table, whatever the adapter: the kind of the parameter that control
// `controlId` edits (None when it edits none) and, for a Text, its longest text (0 for any other).
ParamKind CatalogueParamKind(int controlId);
int CatalogueMaxLength(int controlId);

// One parameter. It owns its two items, both bound to the same variable; destroying it deletes
// the profile setting, then the command item. Enabled when built.
class CCfgParam : public CObject
{
public:
    // Integer: CIniIntItem(default, value, minimum, maximum) and CCmdIntItem(prefix, value).
    CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
              int controlId, int defaultValue, int* value, int minimum, int maximum,
              const std::string& prefix);
    // Text: CIniStringItem(default, value, maxLength, charSet) and CCmdTextItem(prefix, value).
    CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
              int controlId, const std::string& defaultValue, std::string* value, int maxLength,
              const std::string& charSet, const std::string& prefix);
    // Choice: CIniChoiceItem(default, value, choices) and CCmdChoiceItem(prefix, value, choices).
    CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
              int controlId, const std::string& defaultValue, std::string* value,
              const ChoiceEntry* choices, const std::string& prefix);
    // Yes/no: CIniYesNoItem(default, value, choices) and CCmdYesNoItem(prefix, value, choices).
    CCfgParam(const std::string& profilePath, std::string* section, const std::string& key,
              int controlId, int defaultValue, int* value, const ChoiceEntry* choices,
              const std::string& prefix);

    CCfgParam(const CCfgParam&) = delete;
    CCfgParam& operator=(const CCfgParam&) = delete;

    CCmdItem* GetCmdItem() const { return m_pCmdItem.get(); }
    CIniItem* GetIniItem() const { return m_pIniItem.get(); }
    int GetControlId() const { return m_nControlId; }

    // The parameter takes part in packing.
    BOOL m_bEnabled = TRUE;

private:
    // Declared in this order so that the profile setting is destroyed first.
    std::unique_ptr<CCmdItem> m_pCmdItem;
    std::unique_ptr<CIniItem> m_pIniItem;
    int m_nControlId;
};

// The catalogue: an ordered list of owned parameters.
class CCfgParamList : public CObject
{
public:
    CCfgParamList() = default;
    CCfgParamList(const CCfgParamList&) = delete;
    CCfgParamList& operator=(const CCfgParamList&) = delete;
    // Deletes the parameters from the front of the list.
    ~CCfgParamList() override;

    // Replaces the whole catalogue by the 53 parameters of the adapter model `modelCode`
    // (`extModelCode` chooses its switch type's default), bound to the variables of `binding`
    // and to the profile file `profilePath`; every parameter enabled. Does not read the profile.
    // Every parameter of the table must have its variable in `binding`.
    void BuildCatalogue(const CParamBinding& binding, int modelCode, int extModelCode,
                        const std::string& profilePath);

    // Appends a parameter and takes ownership of it.
    void Add(CCfgParam* pParam);
    // Deletes every parameter.
    void RemoveAll();
    int GetCount() const { return m_params.GetCount(); }
    // Iteration in list order: GetHeadPosition, then GetNext until the position is nullptr.
    POSITION GetHeadPosition() const { return m_params.GetHeadPosition(); }
    CCfgParam* GetNext(POSITION& position) const;

    // The first parameter edited by control `controlId`; nullptr when there is none.
    CCfgParam* FindParam(int controlId) const;

    // Reads every parameter's value from the current section, in list order (bad stored values
    // are reported key by key and replaced by their defaults).
    void LoadAll();
    // Writes every parameter's value to the current section, in list order, as one replacement
    // of the profile file: the file ends as the writes one by one would leave it, and a crash
    // part way leaves it as it was. Returns TRUE when every value was written; FALSE when the
    // file could not be replaced (it is then unchanged) or a value could not be written (the
    // others are).
    BOOL SaveAll();

    // Part of a page's data exchange, right after control `controlId` was exchanged: when
    // saving, a value with invalid characters shows IDS_INVALID_CHARACTERS and an out-of-range
    // value IDS_OUT_OF_RANGE, and either fails the exchange (does not return). A value that is
    // not one of its choices, and a control id that is not in the catalogue, pass.
    void ValidateParam(CDataExchange* pDX, int controlId) const;

    // Appends the command lines to `cmdLines`: fragments in list order, joined into lines that
    // start with "AT"; a line is closed with "\r" before a fragment that would take it past 29
    // characters, the last one with "\r\n", and "AT&W0\r\n" always follows.
    void PackCommandLines(std::vector<std::string>& cmdLines) const;

private:
    CObList m_params;
};

// The one catalogue of the program; empty until an adapter is confirmed.
extern CCfgParamList theParams;
