#pragma once
// The help line of each settings entry, by position: line n helps entry n,
// whatever its key. Read once from "Setting.cfg".

#include <QByteArray>
#include <QList>
#include <QString>

class SettingHelp
{
public:
    SettingHelp() = default;

    // Reads the file's lines (CR LF, LF or CR end a line). A file that cannot
    // be opened throws "ファイル %s は開けません" with the name as given.
    static SettingHelp load(const QString &fileName);

    // The help of entry `index` (from 0); none throws
    // "リストのインデックスが範囲を超えています (index)".
    QString line(qsizetype index) const;

    qsizetype size() const { return m_lines.size(); }

private:
    QList<QByteArray> m_lines;
};
