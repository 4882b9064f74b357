#include "framework/qt/QtText.h"

namespace qthost
{
QString ToQt(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToQtMultiline(const std::string& text)
{
    QString result = ToQt(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::string FromQt(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString WithoutMnemonic(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (text[i] == QLatin1Char('&'))
        {
            ++i;
            if (i == text.size())
            {
                break;
            }
        }
        result += text[i];
    }
    return result;
}
} // namespace qthost
