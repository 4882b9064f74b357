#include "src/commands/CmdItem.h"

#include "framework/WinApp.h"

CCmdItem::CCmdItem(const std::string& prefix) : m_prefix(prefix) {}

void CCmdItem::FormatChoice(const std::string& text, const ChoiceEntry* choices)
{
    if (const ChoiceEntry* row = FindChoice(choices, text))
        m_fragment = m_prefix + std::to_string(row->value);
}

CCmdIntItem::CCmdIntItem(const std::string& prefix, int* value) : CCmdItem(prefix), m_value(value)
{
}

void CCmdIntItem::Format()
{
    m_fragment = m_prefix + std::to_string(*m_value);
}

CCmdTextItem::CCmdTextItem(const std::string& prefix, std::string* value)
    : CCmdItem(prefix), m_value(value)
{
}

void CCmdTextItem::Format()
{
    m_fragment = m_prefix + *m_value;
}

CCmdChoiceItem::CCmdChoiceItem(const std::string& prefix, std::string* value,
                               const ChoiceEntry* choices)
    : CCmdItem(prefix), m_value(value), m_choices(choices)
{
}

void CCmdChoiceItem::Format()
{
    FormatChoice(*m_value, m_choices);
}

CCmdYesNoItem::CCmdYesNoItem(const std::string& prefix, int* value, const ChoiceEntry* choices)
    : CCmdItem(prefix), m_value(value), m_choices(choices)
{
}

void CCmdYesNoItem::Format()
{
    FormatChoice(*m_value != 0 ? "Yes" : "No", m_choices);
}
