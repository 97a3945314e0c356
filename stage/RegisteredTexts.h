#pragma once
// The five registered items of the "登録" page, as the texts the user sees
// and edits in the boxes No1 to No5 (normally a palette entry's code).

#include "CellCode.h"

#include <QObject>
#include <QStringList>

#include <optional>

class RegisteredTexts : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = 5;

    using QObject::QObject;

    QString text(int k) const { return m_texts.value(k); }
    const QStringList &all() const { return m_texts; }
    void setText(int k, const QString &text);
    // The first five of `texts`; missing ones are empty.
    void setAll(const QStringList &texts);

    // The code item k brings back into the palette (see registeredCode).
    std::optional<CellCode> recall(int k) const;

    // Toroku/No1 .. No5 of the preferences file.
    void save() const;

signals:
    void changed(int k);

private:
    QStringList m_texts = QStringList(Count);
};
