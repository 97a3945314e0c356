#pragma once
// The detailed settings: an ordered list of "key=value" entries in code page
// 932. The key is the text before an entry's first "="; an entry without "="
// has an empty key and is never found by a lookup.

#include <QByteArray>
#include <QList>

class SettingsList
{
public:
    SettingsList() = default;
    explicit SettingsList(QList<QByteArray> entries) : m_entries(std::move(entries)) {}

    const QList<QByteArray> &entries() const { return m_entries; }
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QByteArray &entry(qsizetype i) const { return m_entries.at(i); }
    void setEntry(qsizetype i, QByteArray entry) { m_entries[i] = std::move(entry); }
    void append(QByteArray entry) { m_entries.append(std::move(entry)); }
    void clear() { m_entries.clear(); }

    static QByteArray keyOf(const QByteArray &entry);
    static QByteArray valueOf(const QByteArray &entry); // after the first "="

    // The value of the first entry whose key equals `key`, letter case of
    // single-byte ASCII letters ignored; empty when no entry has the key.
    QByteArray value(const QByteArray &key) const;

    // Key comparison: ASCII letters of single-byte characters fold; the trail
    // byte of a double-byte character (0x41 in 0x83 0x41) is not a letter.
    static bool keysEqual(const QByteArray &a, const QByteArray &b);
    // The spelling two equal keys share.
    static QByteArray foldedKey(const QByteArray &key);

    bool operator==(const SettingsList &) const = default;

private:
    QList<QByteArray> m_entries;
};
