#include "Environ.h"
#include "ui_Environ.h"

#include "Environment.h"
#include "desktop/Desktop.h"
#include "platform/Guarded.h"
#include "platform/Preferences.h"

#include <QDir>
#include <QPushButton>

TPagesDlg::TPagesDlg(Environment &environment, std::function<void()> applyEnvironment, QWidget *parent)
    : QDialog(parent),
      OpenPictureDialog1{
          FileDialog::Kind::Open, QStringLiteral("画像の選択"), QStringLiteral("ビットマップ (*.bmp)"), {}, {}, true},
      m_environment(environment), m_applyEnvironment(std::move(applyEnvironment)), m_ui(new Ui::TPagesDlg)
{
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    showValues();
    connect(&m_environment, &Environment::changed, this, &TPagesDlg::showValues);
    setFixedSize(size());
    Desktop::centreOnEveryShow(this);
    connect(m_ui->Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(m_ui->Button3, &QPushButton::clicked, this, guarded([this] { Button3Click(); }));
    connect(m_ui->Button4, &QPushButton::clicked, this, guarded([this] { Button4Click(); }));
    connect(m_ui->Button5, &QPushButton::clicked, this, guarded([this] { Button5Click(); }));
    // The dialog is closing with the OK result when OK's work runs.
    connect(this, &QDialog::accepted, this, guarded([this] { OKBtnClick(); }));
}

TPagesDlg::~TPagesDlg()
{
    delete m_ui;
}

void TPagesDlg::selectPage(int index)
{
    m_ui->PageControl1->setCurrentIndex(index);
}

void TPagesDlg::showValues()
{
    const EnvironmentValues &values = m_environment.values();
    m_ui->set1_1->setText(values.saveOpenFolder);
    m_ui->set1_2->setText(values.imageFile);
    m_ui->set2_1->setText(values.foreColour);
    m_ui->set2_2->setText(values.backColour);
}

// A browse changes the value at once; only OK stores and applies it.
// The chosen folder and one separator, even after a root's own.
void TPagesDlg::Button1Click()
{
    if (const std::optional<QString> folder = dialogs().chooseFolder(QStringLiteral("フォルダの選択"))) {
        EnvironmentValues values = m_environment.values();
        values.saveOpenFolder = *folder + QDir::separator();
        m_environment.setValues(values);
    }
}

void TPagesDlg::Button3Click()
{
    if (const std::optional<QString> picture = runFileDialog(OpenPictureDialog1)) {
        EnvironmentValues values = m_environment.values();
        values.imageFile = *picture;
        m_environment.setValues(values);
    }
}

void TPagesDlg::Button4Click()
{
    if (const std::optional<ColourValue> colour = runColourDialog(ColorDialog1)) {
        EnvironmentValues values = m_environment.values();
        values.foreColour = colourText(*colour);
        m_environment.setValues(values);
    }
}

void TPagesDlg::Button5Click()
{
    if (const std::optional<ColourValue> colour = runColourDialog(ColorDialog1)) {
        EnvironmentValues values = m_environment.values();
        values.backColour = colourText(*colour);
        m_environment.setValues(values);
    }
}

void TPagesDlg::OKBtnClick()
{
    const EnvironmentValues &stored = m_environment.values();
    Preferences::writeEnvironment(stored);
    m_applyEnvironment();
}
