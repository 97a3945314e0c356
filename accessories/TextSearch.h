#pragma once
// Find and replace of the text editor, over a plain text and its selection.
// A search starts just after the selection's end, or at the very beginning
// of the text when nothing is selected (the caret plays no part); it runs
// forward to the end without wrapping, ignores letter case (full-width Latin
// letters too) and needs no whole words. An empty search text finds nothing.

#include <QString>
#include <QStringView>

#include <optional>

namespace TextSearch {

// A piece of the text: where it starts and how many UTF-16 units it holds.
struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
    friend bool operator==(const Span &, const Span &) = default;
};

// Where a search begins for this selection.
qsizetype startOf(Span selection);

// The first match of `what` at or after `from`.
std::optional<Span> findFrom(QStringView text, QStringView what, qsizetype from);

// The first match after the selection, as find and find next search.
std::optional<Span> find(QStringView text, Span selection, QStringView what);

// The text being edited, as a replacement sees it.
class Editable
{
public:
    virtual ~Editable() = default;
    virtual QString text() const = 0;
    virtual Span selection() const = 0;
    virtual void select(Span span) = 0;
    // Replaces the selection as typing would; nothing is selected afterwards.
    virtual void replaceSelection(const QString &replacement) = 0;
};

// The replace command: a single replacement (`all` false) or replace all.
// Each pass searches from the start of the selection as it then stands,
// selects the match and asks "これを置き換えますか？" (Yes, No); Yes replaces
// it, which leaves nothing selected, so the next pass starts at the beginning
// of the text again; No leaves the match selected, so the next pass starts
// after it. A single replacement makes one pass; replace all goes on until a
// search finds nothing. Whenever a search finds nothing the plain message
// "見つかりませんでした。" is shown, also at the end of every replace all.
void replace(Editable &editable, const QString &what, const QString &with, bool all);

inline constexpr char16_t NotFound[] = u"見つかりませんでした。";
inline constexpr char16_t ReplaceQuestion[] = u"これを置き換えますか？";

} // namespace TextSearch
