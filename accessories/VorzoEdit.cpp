#include "VorzoEdit.h"
#include "ui_VorzoEdit.h"

#include "EditorDocument.h"
#include "EditorFile.h"
#include "EditorIcons.h"
#include "SearchDialogs.h"
#include "TextSearch.h"
#include "desktop/Desktop.h"
#include "desktop/SystemColours.h"
#include "platform/Guarded.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace {

// The text area as find and replace see it.
class EditArea : public TextSearch::Editable
{
public:
    explicit EditArea(QPlainTextEdit *edit) : m_edit(edit) {}

    QString text() const override { return m_edit->toPlainText(); }
    TextSearch::Span selection() const override
    {
        const QTextCursor cursor = m_edit->textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
    void select(TextSearch::Span span) override
    {
        QTextCursor cursor(m_edit->document());
        cursor.setPosition(int(span.start));
        cursor.setPosition(int(span.end()), QTextCursor::KeepAnchor);
        m_edit->setTextCursor(cursor);
        m_edit->ensureCursorVisible();
    }
    void replaceSelection(const QString &replacement) override
    {
        QTextCursor cursor = m_edit->textCursor();
        cursor.insertText(replacement);
        m_edit->setTextCursor(cursor);
    }

private:
    QPlainTextEdit *m_edit;
};

} // namespace

TEditForm::TEditForm(EditorDocument &document, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_ui(new Ui::TEditForm)
{
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    MainEdit = m_ui->MainEdit;
    Desktop::usePixelSize(MainEdit, 13);
    Desktop::centreOnScreen(this);

    // The status bar's one text, the document's name. Hints cover it for a
    // moment but never replace it.
    FileName = new QLabel(m_document.shownName(), this);
    FileName->setObjectName(QStringLiteral("FileName"));
    // A path is shown as it is (never as markup) and cut at the window's
    // edge rather than widening the window.
    FileName->setTextFormat(Qt::PlainText);
    FileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_ui->StatusBar1->addWidget(FileName, 1);
    connect(&m_document, &EditorDocument::fileNameChanged, FileName, &QLabel::setText);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(m_ui->Undo2);
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({m_ui->Cut2, m_ui->Copy2, m_ui->Paste2, m_ui->SelectAll2});

    FindDialog1 = new FindDialog(this);
    ReplaceDialog1 = new ReplaceDialog(this);

    setUpToolBar();
    setUpMainEdit();
    connectHandlers();
}

TEditForm::~TEditForm()
{
    delete m_ui;
}

QList<TEditForm::ToolButton> TEditForm::toolButtons() const
{
    return {
        {m_ui->ToolButton4, "document-new"},     {m_ui->ToolButton5, "document-open"},
        {m_ui->ToolButton7, "document-save-as"}, {m_ui->ToolButton6, "document-save"},
        {m_ui->ToolButton2, "edit-cut"},         {m_ui->ToolButton1, "edit-copy"},
        {m_ui->ToolButton3, "edit-paste"},
    };
}

void TEditForm::setUpToolBar()
{
    for (const ToolButton &b : toolButtons())
        m_ui->ToolBar1->widgetForAction(b.action)->setObjectName(b.action->objectName());
    auto *gap = new QFrame;
    gap->setObjectName(QStringLiteral("ToolButton8"));
    gap->setFrameShape(QFrame::VLine);
    gap->setFrameShadow(QFrame::Sunken);
    gap->setFixedWidth(8);
    m_ui->ToolBar1->insertWidget(m_ui->ToolButton2, gap);
}

void TEditForm::showEvent(QShowEvent *event)
{
    // The pictures come when the bar is first seen: looking them up in the
    // desktop's icon theme would otherwise slow the program's start.
    if (!m_iconsSet) {
        for (const ToolButton &b : toolButtons())
            b.action->setIcon(EditorIcons::icon(QLatin1String(b.icon)));
        m_iconsSet = true;
    }
    QMainWindow::showEvent(event);
}

void TEditForm::setUpMainEdit()
{
    // An undo back to the text last opened or saved does not clear the
    // changed flag: the user has changed the text all the same.
    connect(MainEdit->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (modified)
            m_document.setChanged(true);
    });
    MainEdit->setTabStopDistance(8 * QFontMetricsF(MainEdit->font()).horizontalAdvance(QLatin1Char(' ')));
    // The selection stays as visible when the focus is elsewhere (a find
    // dialog) as it is with the focus.
    QPalette palette = MainEdit->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    MainEdit->setPalette(palette);
    // The document's colours, the design's until the environment sets its own.
    showColours();
    connect(&m_document, &EditorDocument::coloursChanged, this, &TEditForm::showColours);
    connect(MainEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(MainEdit->viewport()->mapToGlobal(at)); });
}

void TEditForm::connectHandlers()
{
    auto on = [this](QAction *action, void (TEditForm::*handler)()) {
        connect(action, &QAction::triggered, this, guarded([this, handler] { (this->*handler)(); }));
    };
    on(m_ui->New1, &TEditForm::New1Click);
    on(m_ui->Open1, &TEditForm::Open1Click);
    on(m_ui->Save1, &TEditForm::Save1Click);
    on(m_ui->SaveAs1, &TEditForm::SaveAs1Click);
    on(m_ui->Exit1, &TEditForm::Exit1Click);
    on(m_ui->N6, &TEditForm::N6Click);
    on(m_ui->N5, &TEditForm::N5Click);
    on(m_ui->Find2, &TEditForm::Find2Click);
    on(m_ui->FindNext1, &TEditForm::FindNext1Click);
    on(m_ui->Replace1, &TEditForm::Replace1Click);
    // The edit menu, its twins in the context menu, and the tool bar.
    on(m_ui->Undo1, &TEditForm::Undo1Click);
    on(m_ui->Undo2, &TEditForm::Undo1Click);
    on(m_ui->Cut1, &TEditForm::Cut1Click);
    on(m_ui->Cut2, &TEditForm::Cut1Click);
    on(m_ui->Copy1, &TEditForm::Copy1Click);
    on(m_ui->Copy2, &TEditForm::Copy1Click);
    on(m_ui->Paste1, &TEditForm::Paste1Click);
    on(m_ui->Paste2, &TEditForm::Paste1Click);
    on(m_ui->SelectAll1, &TEditForm::SelectAll1Click);
    on(m_ui->SelectAll2, &TEditForm::SelectAll1Click);
    on(m_ui->ToolButton4, &TEditForm::New1Click);
    on(m_ui->ToolButton5, &TEditForm::Open1Click);
    on(m_ui->ToolButton7, &TEditForm::SaveAs1Click);
    on(m_ui->ToolButton6, &TEditForm::SaveAs1Click); // "上書き保存" always asks for the name
    on(m_ui->ToolButton2, &TEditForm::Cut1Click);
    on(m_ui->ToolButton1, &TEditForm::Copy1Click);
    on(m_ui->ToolButton3, &TEditForm::Paste1Click);

    connect(FindDialog1, &FindDialog::findRequested, this, guarded([this] { FindDialog1Find(); }));
    connect(ReplaceDialog1, &ReplaceDialog::findRequested, this, guarded([this] { ReplaceDialog1Find(); }));
    connect(ReplaceDialog1, &ReplaceDialog::replaceRequested, this,
            [this](bool all) { runGuarded([this, all] { ReplaceDialog1Replace(all); }); });
}

void TEditForm::showColours()
{
    QPalette palette = MainEdit->palette();
    palette.setColor(QPalette::Text, colourOnScreen(m_document.textColour()));
    palette.setColor(QPalette::Base, colourOnScreen(m_document.backgroundColour()));
    MainEdit->setPalette(palette);
}

void TEditForm::showDocument(const QString &text, const QString &path)
{
    MainEdit->setPlainText(text);
    saved(path);
}

void TEditForm::saved(const QString &path)
{
    MainEdit->document()->setModified(false);
    m_document.setChanged(false);
    m_document.setFileName(path);
}

void TEditForm::New1Click()
{
    if (m_document.isChanged()) {
        const WarningButton answer = dialogs().warning(QStringLiteral("変更されています。保存しますか?"),
                                                       {WarningButton::Yes, WarningButton::No, WarningButton::Cancel});
        if (answer == WarningButton::Cancel)
            return;
        // A save-as dialog that is cancelled still lets the text go.
        if (answer == WarningButton::Yes)
            SaveAs1Click();
    }
    showDocument(QString(), QString());
}

void TEditForm::Open1Click()
{
    const std::optional<QString> chosen = runFileDialog(m_document.OpenDialog1);
    if (!chosen)
        return;
    showDocument(EditorFile::read(*chosen), *chosen);
}

void TEditForm::SaveAs1Click()
{
    // A text the code page cannot hold is refused before a name is asked.
    const QByteArray bytes = EditorFile::bytesOf(MainEdit->toPlainText());
    const std::optional<QString> chosen = runFileDialog(m_document.SaveDialog1);
    if (!chosen)
        return;
    EditorFile::write(*chosen, bytes);
    saved(*chosen);
}

void TEditForm::Save1Click()
{
    if (m_document.isNew()) {
        SaveAs1Click();
        return;
    }
    EditorFile::write(m_document.fileName(), EditorFile::bytesOf(MainEdit->toPlainText()));
    saved(m_document.fileName());
}

void TEditForm::Exit1Click()
{
    hide();
}

void TEditForm::Undo1Click()
{
    MainEdit->undo();
}

void TEditForm::Cut1Click()
{
    MainEdit->cut();
}

void TEditForm::Copy1Click()
{
    MainEdit->copy();
}

void TEditForm::Paste1Click()
{
    MainEdit->paste();
}

void TEditForm::SelectAll1Click()
{
    MainEdit->selectAll();
}

void TEditForm::N6Click()
{
    if (const std::optional<ColourValue> chosen = runColourDialog(m_document.ColorDialog1))
        m_document.setTextColour(*chosen);
}

void TEditForm::N5Click()
{
    if (const std::optional<ColourValue> chosen = runColourDialog(m_document.ColorDialog1))
        m_document.setBackgroundColour(*chosen);
}

void TEditForm::Find2Click()
{
    FindDialog1->show();
    FindDialog1->raise();
    FindDialog1->activateWindow();
}

void TEditForm::Replace1Click()
{
    ReplaceDialog1->show();
    ReplaceDialog1->raise();
    ReplaceDialog1->activateWindow();
}

void TEditForm::FindNext1Click()
{
    FindDialog1Find();
}

void TEditForm::FindDialog1Find()
{
    EditArea area(MainEdit);
    const std::optional<TextSearch::Span> match = TextSearch::find(area.text(), area.selection(),
                                                                   FindDialog1->findText());
    if (!match) {
        dialogs().message(QString::fromUtf16(TextSearch::NotFound));
        return;
    }
    FindDialog1->close();
    activateWindow();
    MainEdit->setFocus();
    area.select(*match);
}

void TEditForm::ReplaceDialog1Find()
{
    dialogs().message(QStringLiteral("検索するだけなら「検索」を使ってください。"));
}

void TEditForm::ReplaceDialog1Replace(bool all)
{
    ReplaceDialog1->close();
    activateWindow();
    MainEdit->setFocus();
    EditArea area(MainEdit);
    TextSearch::replace(area, ReplaceDialog1->findText(), ReplaceDialog1->replaceText(), all);
}

bool TEditForm::CloseChack()
{
    if (!m_document.isChanged())
        return true;
    const WarningButton answer = dialogs().warning(QStringLiteral("テキストエディタは変更されています。保存しますか?"),
                                                   {WarningButton::Yes, WarningButton::No, WarningButton::Cancel});
    if (answer == WarningButton::Cancel)
        return false;
    // Yes asks for a name even for a named document; cancelling that dialog
    // still lets the program end. A save that fails keeps it running.
    if (answer == WarningButton::Yes)
        SaveAs1Click();
    return true;
}
