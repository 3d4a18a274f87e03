// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/frmAbout.h"

#include "about/SysInfo.h"
#include "game/AppInfo.h"
#include "game/Design.h"
#include "platform/Platform.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <string_view>

namespace {
using Design::px;

// The message lives in SysInfo, which knows nothing of Qt; here lupdate finds
// it for the translators, and the compiler checks that the two agree.
constexpr std::string_view unavailable =
    QT_TRANSLATE_NOOP("frmAbout", "System Information Is Unavailable At This Time");
static_assert(unavailable == SysInfo::unavailableMessage);
using Design::twips;

// One straight horizontal line of the design, drawn across the whole widget.
class Line : public QWidget
{
public:
    Line(QWidget *parent, const QColor &colour) : QWidget(parent), m_colour(colour)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

// A line from (x1, y) to (x2, y) in twips, `width` pixels thick, its first
// row on y.
QRect lineRect(int x1, int y, int x2, int width)
{
    return {px(x1), px(y), px(x2) - px(x1), width};
}
} // namespace

frmAbout::frmAbout(Platform &platform) : QDialog(nullptr), m_platform(platform)
{
    buildWindow();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::buildWindow()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(5730), px(3555));
    // The dialog font, set here once: no control sets a font of its own.
    setFont(Design::sansSerif(8.25));
    const QIcon icon(QStringLiteral(":/merovant.ico"));
    setWindowIcon(icon);

    auto label = [this](const char *name, QRect place) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
        l->setAccessibleDescription(QLatin1String(name));
        return l;
    };
    auto button = [this](const char *name, const QString &caption, QRect place) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(place);
        return b;
    };

    // Created in the order of the design, which is also their stacking order.
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twips(240, 240, 540, 540));
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(icon.pixmap(QSize(32, 32)));
    // The icon shows nothing to act on: Tab passes it by.
    picIcon->setFocusPolicy(Qt::NoFocus);
    picIcon->setAccessibleName(tr("Application icon"));

    cmdOK = button("cmdOK", tr("OK"), twips(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = button("cmdSysInfo", tr("&System Info..."), twips(4260, 3075, 1245, 345));

    // Two lines make the etched separator: dark above, light below.
    auto *shadow = new Line(this, QColor(128, 128, 128));
    shadow->setObjectName(QStringLiteral("Line1_1"));
    shadow->setGeometry(lineRect(90, 2445, 5654, 1));

    lblDescription = label("lblDescription", twips(1050, 1125, 4005, 1170));
    lblDescription->setText(
        tr("Merovant is a card game of mental arithmetic. Four cards are dealt; make 24 from "
           "their values with plus, minus, multiply and divide, using each card once. Stuck? "
           "Press Answer and the computer shows a way, if there is one."));
    lblTitle = label("lblTitle", twips(1050, 240, 3885, 480));

    auto *highlight = new Line(this, Qt::white);
    highlight->setObjectName(QStringLiteral("Line1_0"));
    highlight->setGeometry(lineRect(105, 2460, 5654, 2));

    lblVersion = label("lblVersion", twips(1050, 780, 3885, 225));
    lblDisclaimer = label("lblDisclaimer", twips(255, 2625, 3870, 825));
    lblDisclaimer->setText(tr("Merovant is free software under the GNU GPL, version 3 or "
                              "later. It comes with no warranty of any kind."));

    setTabOrder(cmdOK, cmdSysInfo);
    applyColours();
}

// Black text on the dialog's own background, readable on a dark one too.
void frmAbout::applyColours()
{
    const QPalette &system = palette();
    const QColor text = Design::textColour(Qt::black, system.color(QPalette::Window), system);
    for (QLabel *label : {lblTitle, lblDescription, lblDisclaimer}) {
        QPalette own = system;
        own.setColor(QPalette::WindowText, text);
        label->setPalette(own);
    }
}

void frmAbout::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && lblTitle)
        applyColours();
}

void frmAbout::Show()
{
    if (!isVisible()) {
        // Loaded afresh: the focus starts on OK again and the load step runs.
        cmdOK->setFocus();
        Form_Load();
        show();
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void frmAbout::Form_Load()
{
    //: The window title; %1 is the program's name.
    setWindowTitle(tr("About %1").arg(AppInfo::title));
    // Plain decimal digits in every language, hence no %L.
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(QString::number(AppInfo::major), QString::number(AppInfo::minor),
                                 QString::number(AppInfo::revision)));
    lblTitle->setText(AppInfo::title);
    // A screen reader opens a dialog with its title and those of its labels
    // that read as sentences; the title and the version line are too short
    // to count as such, so the box's own name carries them.
    setAccessibleName(windowTitle() + QLatin1String(", ") + lblVersion->text());
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    if (!SysInfo::StartSysInfo(m_platform.systemTools()))
        m_platform.showMessage(tr(SysInfo::unavailableMessage));
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal)
{
    // The registry speaks the system's narrow code page.
    const std::string before = KeyVal.toLocal8Bit().toStdString();
    std::string value = before;
    const bool found =
        SysInfo::GetKeyValue(m_platform.systemTools(), KeyRoot, KeyName.toLocal8Bit().toStdString(),
                             SubKeyRef.toLocal8Bit().toStdString(), value);
    if (value != before)
        KeyVal = QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size()));
    return found;
}
