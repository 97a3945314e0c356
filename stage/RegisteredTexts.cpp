#include "RegisteredTexts.h"

#include "RegisteredItem.h"
#include "platform/Preferences.h"

void RegisteredTexts::setText(int k, const QString &text)
{
    if (k < 0 || k >= Count || m_texts.at(k) == text)
        return;
    m_texts[k] = text;
    emit changed(k);
}

void RegisteredTexts::setAll(const QStringList &texts)
{
    for (int k = 0; k < Count; ++k)
        setText(k, texts.value(k));
}

std::optional<CellCode> RegisteredTexts::recall(int k) const
{
    return registeredCode(text(k));
}

void RegisteredTexts::save() const
{
    Preferences::writeRegistered(m_texts);
}
