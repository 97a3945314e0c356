#include "SettingHelp.h"

#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "platform/WholeFile.h"

SettingHelp SettingHelp::load(const QString &fileName)
{
    SettingHelp help;
    help.m_lines = TextLines::split(WholeFile::readOrThrow(fileName));
    return help;
}

QString SettingHelp::line(qsizetype index) const
{
    if (index < 0 || index >= m_lines.size())
        throw VorzoError(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
    return ShiftJis::decode(m_lines.at(index));
}
