// The base of the wizard's 21 pages: what every page shares (its sheet, the wizard buttons, the
// jump to another page, the texts of its statics) and what the settings pages share (the change
// handler bound to their controls, their activation, the combo boxes filled from choice tables,
// the numbers pages' channels). A page file holds only what is its own.
#pragma once

#include "framework/Afx.h"
#include "src/identify/DeviceRecord.h"
#include "src/profile/ChoiceEntry.h"
#include "src/res/WizardRes.h"

#include <cstddef>
#include <span>
#include <string>

class CCfgPage;
class CCfgSheet;
class CNetworkCfgPage1;

// The member of a page that holds a text (a static's, a list's chosen item); see TextOf.
using TextMember = std::string& (*)(CCfgPage& page);

// One static of a page: the string it shows, kept in a member of the page and exchanged with the
// static like any member. Adapters of models 7, 8 and 9 label the numbers pages' fields by
// position: for them `positional`, where given, replaces the string.
struct StaticText
{
    int staticId;
    UINT stringId;
    TextMember text;
    const char* positional = nullptr;
};

// A drop-down list of a page: the choices it offers, in the order they are added, and the member
// that holds the chosen text.
struct ChoiceList
{
    int comboId;
    const ChoiceEntry* choices;
    TextMember text;
};

// A channel of the numbers pages: its TEI on the TEI page, its fields (labels included) and the
// parameters they send.
struct NumbersChannel
{
    std::string CNetworkCfgPage1::*tei;
    std::span<const int> controls;
    std::span<const int> params;
};

// The search and configuring pages watch their workers on a window timer of this period, so that
// an outcome shows at most this long after the worker's end. Their time limits are counted on
// the same timer, in milliseconds.
inline constexpr UINT kWorkerPollMs = 25;

class CCfgPage : public CPropertyPage
{
public:
    // `staticTexts`: the page's statics whose texts come from the string table.
    explicit CCfgPage(UINT nIDTemplate, std::span<const StaticText> staticTexts = {});

    // Called once by the sheet after it has added its pages.
    void SetSheet(CCfgSheet* pSheet) { m_pSheet = pSheet; }
    // The sheet that owns the page; set before any page is shown.
    CCfgSheet& Sheet() const { return *m_pSheet; }

    // Marks the page changed and the current configuration modified. Runs on the user's change of
    // any control that edits a catalogue parameter (see OnCommand).
    void OnSettingChanged();

    // Sets the statics' texts (for the adapter being configured), then moves the members to the
    // controls. A page prepares its controls (lists, limits, what is shown) before calling it.
    BOOL OnInitDialog() override;
    // The settings pages' activation: Back and Next, then the default activation.
    BOOL OnSetActive() override;
    // Exchanges the statics' texts; a page exchanges its own members after them.
    void DoDataExchange(CDataExchange* pDX) override;

    CCfgSheet* m_pSheet = nullptr; // owning sheet, set by SetSheet when the sheet is built

protected:
    // The page's own message map first; when it has no entry, the user's change of a control that
    // edits a catalogue parameter (text of an edit, selection of a list, click on a check box)
    // runs OnSettingChanged. A page handler bound to such a control calls OnSettingChanged
    // itself.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The default activation alone: the members to the controls on every activation but the
    // first. For pages that request buttons of their own.
    BOOL DefaultActivation();
    // Requests the sheet's wizard buttons (PSWIZB_ flags). The request is posted: it applies
    // after the current handler, after the requests posted before it.
    void RequestButtons(DWORD dwFlags);
    // For a Next or Back handler that routes elsewhere: makes `page` current (the current page's
    // data exchange runs first and may keep it) and returns -1, so that the sheet does not move
    // as well.
    LRESULT JumpTo(CPropertyPage& page);
    // Enables or disables the sheet's Cancel button.
    void EnableCancel(BOOL bEnable);
    // The adapter being configured is of model 7, 8 or 9 (no POTS port, no bandwidth page).
    static bool IsZandiZobraOrPellorAdapter();
    // Fills the page's combo box `comboId` with one item per row of `choices` (the row's string),
    // in table order; nothing when the page has no such combo box.
    void FillCombo(int comboId, const ChoiceEntry* choices);
    // FillCombo for each list, in table order.
    void FillChoiceLists(std::span<const ChoiceList> lists);
    // Exchanges each list's chosen text with its member (DDX_CBString), in table order.
    void ExchangeChoiceLists(CDataExchange* pDX, std::span<const ChoiceList> lists);
    // Limits number field `editId` to 5 characters, as the rings to answer and the serial signal
    // times are limited (the other number fields are not).
    void LimitNumberField(int editId);
    // The numbers pages' activation: the parameters of the other numbering scheme off (one scheme
    // is sent at a time); each channel's fields and parameters on exactly when its TEI is not
    // "Disabled"; the second data number `secondDataNumber` not sent by models 7, 8 and 9.
    void SwitchNumbersChannels(std::span<const int> otherSchemeParams,
                               std::span<const NumbersChannel> channels, int secondDataNumber);

private:
    std::span<const StaticText> m_staticTexts;
};

// The class of a pointer to member.
template <class> struct MemberClass;
template <class Class, class Member> struct MemberClass<Member Class::*>
{
    using type = Class;
};

// The page member `Member` (a std::string), or element `Index` of it (an array of them), as a
// row of a page's table names it.
template <auto Member> constexpr TextMember TextOf()
{
    return [](CCfgPage& page) -> std::string& {
        return static_cast<typename MemberClass<decltype(Member)>::type&>(page).*Member;
    };
}
template <auto Member, size_t Index> constexpr TextMember ElementOf()
{
    return [](CCfgPage& page) -> std::string& {
        return (static_cast<typename MemberClass<decltype(Member)>::type&>(page).*Member)[Index];
    };
}

// The TEI text "Disabled", in any letter case.
bool IsDisabledTEI(const std::string& text);
// One of the North American switch types "AT&T 5ESS", "DMS-100", "NI - 1", in any letter case.
bool IsUSSwitchType(const std::string& text);

// Whether identification `outcome` on `record`'s port got answers, but none naming an adapter the
// wizard configures (a modem, an adapter of another kind). The record's worker has ended.
bool AnsweredAsNoKnownAdapter(const DeviceRecord& record, int outcome);
// What the COM port and search pages say of such a port: "COM3 answered, but not as a known
// adapter", `port` being "COM3" (or "COM3 (+1)" for more).
std::string NoKnownAdapterText(const std::string& port);
// "COM3" for the record's "\\.\COM3".
std::string PortNameOf(const DeviceRecord& record);

// Switches the catalogue parameter of control `controlId` on or off (whether it is packed).
// Nothing happens while the catalogue has no such parameter (no adapter confirmed yet).
void EnableParam(int controlId, BOOL bEnable);

// Enables or disables the controls `controlIds` of `dialog` (ids it lacks are passed over).
void EnableDlgItems(CWnd& dialog, std::span<const int> controlIds, BOOL bEnable);
// Shows or hides the controls `controlIds` of `dialog` (ids it lacks are passed over).
void ShowDlgItems(CWnd& dialog, std::span<const int> controlIds, BOOL bShow);
// Control `controlId` of `dialog` exists and is enabled.
bool IsDlgItemEnabled(const CWnd& dialog, int controlId);
