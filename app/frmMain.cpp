// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"

#include "Layout.h"
#include "TopMost.h"
#include "clicker/ClickRun.h"
#include "clicker/Hotkey.h"
#include "clicker/Presets.h"
#include "frmWorking.h"
#include "platform/Platform.h"
#include "runtime/Accessibility.h"
#include "runtime/FocusValidator.h"
#include "shutdown/ShutdownTimer.h"
#include "ui/AboutLink.h"
#include "ui/CornerIcon.h"
#include "ui/HoverBand.h"
#include "ui/PageKeys.h"
#include "ui/PageSlider.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QScreen>

namespace app {

using namespace runtime;

frmMain::frmMain()
    : Form(nullptr,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
            | Qt::WindowCloseButtonHint)
    , endProgram_([] { QCoreApplication::exit(0); })
{
    installAccessibleRoles();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(layout::Caption));
    setWindowIcon(QIcon(QString::fromLatin1(layout::IconResource)));
    setFixedSize(toPixels(layout::ClientWidth), toPixels(layout::ClientHeight));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(layout::BackColor));
    setPalette(background);
    setAutoFillBackground(true);
    QFont font(QString::fromLatin1(layout::WindowFont.face));
    font.setPixelSize(layout::pixelSize(layout::WindowFont.hundredthsOfPoint));
    setFont(font);
    setMouseTracking(true);

    auto built = buildLayout(*this, layout::windowTable());
    controls_ = std::move(built.controls);
    timers_ = std::move(built.timers);
    createSubsystems();
    wireEvents();
    Form_Load();

    // Centred on the screen the window opens on.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    makeAccessible(controls_);
}

frmMain::~frmMain() = default;

Timer& frmMain::timer(const QString& name) const { return *timers_.value(name); }

frmWorking& frmMain::working()
{
    if (!working_)
        working_ = std::make_unique<frmWorking>();
    return *working_;
}

void frmMain::setWindowStateValue(int state)
{
    if (state == 1)
        showMinimized();
    else if (isMinimized() || isHidden()) {
        showNormal();
        platform::current().activateWindow(static_cast<platform::NativeWindow>(winId()));
    }
}

int frmMain::windowStateValue() const { return isMinimized() ? 1 : 0; }

template <std::size_t N>
std::array<QWidget*, N> frmMain::byName(std::span<const char* const, N> names) const
{
    std::array<QWidget*, N> widgets {};
    for (std::size_t i = 0; i < N; ++i)
        widgets[i] = find(QString::fromLatin1(names[i]));
    return widgets;
}

void frmMain::createSubsystems()
{
    auto& c = *this;
    auto text = [&c](const char* name) -> TextBox& { return c.control<TextBox>(name); };
    auto combo = [&c](const char* name) -> ComboBox& { return c.control<ComboBox>(name); };
    auto image = [&c](const char* name) { return &c.control<Image>(name); };
    auto picture = [&c](const char* name) -> PictureBox& { return c.control<PictureBox>(name); };
    auto setState = [this](int state) { setWindowStateValue(state); };

    clickRun_ = std::make_unique<clicker::ClickRun>(
        clicker::ClickRun::Controls {control<CommandButton>(QStringLiteral("cmdStart")),
            timer(QStringLiteral("tmrMain")), text("Text1"), text("Text2"), text("Text3"),
            text("Text4"), text("Text5"), combo("Combo1"), combo("Combo2"),
            control<OptionButton>(QStringLiteral("Option2")),
            byName<clicker::LockedSettingCount>(clicker::lockedSettings())},
        clicker::ClickRun::Window {
            setState, [this] { working().show(); }, [this] { working().hide(); }});
    hotkey_
        = std::make_unique<clicker::HotkeyPoll>(control<CommandButton>(QStringLiteral("cmdStart")));
    presets_ = std::make_unique<clicker::Presets>(
        clicker::Presets::Controls {combo("Combo3"), text("Text1"), text("Text2"), text("Text3"),
            text("Text4"), text("Text5"), control<OptionButton>(QStringLiteral("Option2"))});
    shutdownTimer_ = std::make_unique<shutdown::ShutdownTimer>(
        shutdown::ShutdownTimer::Controls {
            control<CommandButton>(QStringLiteral("cmdStartShtdwnTimer")),
            timer(QStringLiteral("Timer2")), text("Text6"), text("Text7"), combo("Combo4"),
            control<CheckBox>(QStringLiteral("Check1")), control<Label>(QStringLiteral("Label21")),
            byName<shutdown::LockedInputCount>(shutdown::lockedInputs())},
        shutdown::ShutdownTimer::Window {setState});
    const std::array<Image*, 3> rows {image("imgIC(0)"), image("imgIC(1)"), image("imgIC(2)")};
    pages_ = std::make_unique<ui::PageSlider>(ui::PageSlider::Controls {
        {nullptr, &picture("hitPict(1)"), &picture("hitPict(2)"), &picture("hitPict(3)")}, rows,
        control<Shape>(QStringLiteral("Shape4")), timer(QStringLiteral("Timer1")),
        {&timer(QStringLiteral("Timer4")), &timer(QStringLiteral("Timer5")),
            &timer(QStringLiteral("Timer6"))}});
    cornerIcon_ = std::make_unique<ui::CornerIcon>(
        ui::CornerIcon::Controls {control<Image>(QStringLiteral("I")), picture("Picture1"),
            picture("Picture3"), picture("Picture4"), timer(QStringLiteral("Timer4")),
            timer(QStringLiteral("Timer5")), timer(QStringLiteral("Timer6"))});
    hoverBand_ = std::make_unique<ui::HoverBand>(
        ui::HoverBand::Controls {control<Shape>(QStringLiteral("Shape3")), rows});
    aboutLink_ = std::make_unique<ui::AboutLink>(setState);
}

void frmMain::wireEvents()
{
    auto button
        = [this](const char* name) { return &control<CommandButton>(QString::fromLatin1(name)); };
    auto label = [this](const char* name) { return &control<Label>(QString::fromLatin1(name)); };
    auto image = [this](const QString& name) { return &control<Image>(name); };
    auto text = [this](const char* name) { return &control<TextBox>(QString::fromLatin1(name)); };
    auto tick = [this](const char* name) { return &timer(QString::fromLatin1(name)); };

    auto* run = clickRun_.get();
    connect(button("cmdStart"), &QPushButton::clicked, this, [run] { run->cmdStart_Click(); });
    connect(tick("tmrMain"), &QTimer::timeout, this, [run] { run->tmrMain_Timer(); });
    auto* poll = hotkey_.get();
    connect(tick("tmrHotkey"), &QTimer::timeout, this, [poll] { poll->tmrHotkey_Timer(); });

    auto* p = presets_.get();
    connect(&control<ComboBox>(QStringLiteral("Combo3")), &ComboBox::clicked, this,
        [p] { p->Combo3_Click(); });
    connect(text("Text4"), &TextBox::changed, this, [p] { p->Text4_Change(); });
    connect(text("Text5"), &TextBox::changed, this, [p] { p->Text5_Change(); });

    auto* s = shutdownTimer_.get();
    connect(button("cmdStartShtdwnTimer"), &QPushButton::clicked, this,
        [s] { s->cmdStartShtdwnTimer_Click(); });
    connect(tick("Timer2"), &QTimer::timeout, this, [s] { s->Timer2_Timer(); });

    validator_ = new FocusValidator(*this);
    validator_->add(*text("Text1"), [p](bool& cancel) { p->Text1_Validate(cancel); });
    validator_->add(*text("Text2"), [p](bool& cancel) { p->Text2_Validate(cancel); });
    validator_->add(*text("Text3"), [p](bool& cancel) { p->Text3_Validate(cancel); });
    validator_->add(*text("Text4"), [p](bool& cancel) { p->Text4_Validate(cancel); });
    validator_->add(*text("Text5"), [p](bool& cancel) { p->Text5_Validate(cancel); });
    validator_->add(*text("Text6"), [s](bool& cancel) { s->Text6_Validate(cancel); });
    validator_->add(*text("Text7"), [s](bool& cancel) { s->Text7_Validate(cancel); });

    auto* pages = pages_.get();
    // Leaving a page hides the field that may hold the focus: a focus move.
    pages->setLeaveCheck([v = validator_](PictureBox& page) { return v->releaseFocus(page); });
    connect(label("Label1"), &Label::clicked, this, [pages] { pages->Label1_Click(); });
    connect(label("Label2"), &Label::clicked, this, [pages] { pages->Label2_Click(); });
    connect(label("Label3"), &Label::clicked, this, [pages] { pages->Label3_Click(); });
    connect(tick("Timer1"), &QTimer::timeout, this, [pages] { pages->Timer1_Timer(); });
    ui::addPageKeys(*this, {label("Label1"), label("Label2"), label("Label3")}, *pages);
    auto* band = hoverBand_.get();
    for (std::int16_t i = 0; i < 3; ++i) {
        auto* row = image(QStringLiteral("imgIC(%1)").arg(i));
        connect(row, &Image::clicked, this, [pages, i] { pages->imgIC_Click(i); });
        connect(row, &Image::mouseMoved, this, [band, i] { band->imgIC_MouseMove(i); });
    }
    connect(image(QStringLiteral("I")), &Image::mouseMoved, this, [band] { band->I_MouseMove(); });
    connect(image(QStringLiteral("Image1")), &Image::mouseMoved, this,
        [band] { band->Image1_MouseMove(); });

    auto* icon = cornerIcon_.get();
    connect(tick("Timer4"), &QTimer::timeout, this, [icon] { icon->Timer4_Timer(); });
    connect(tick("Timer5"), &QTimer::timeout, this, [icon] { icon->Timer5_Timer(); });
    connect(tick("Timer6"), &QTimer::timeout, this, [icon] { icon->Timer6_Timer(); });

    auto* about = aboutLink_.get();
    connect(label("Label25"), &Label::clicked, this, [about] { about->Label25_Click(); });
}

void frmMain::Form_Load()
{
    pages_->selectedPage = 2;
    pages_->currentPage = 2;
    find(QStringLiteral("hitPict(1)"))->hide();
    find(QStringLiteral("hitPict(2)"))->show();
    find(QStringLiteral("hitPict(3)"))->hide();
    auto& run = *clickRun_;
    run.elapsedTicks = 0;
    run.ticksSinceClick = 0;
    run.clickCount = 0;
    run.clickIntervalTenths = 0;
    run.isClicking = 0;
    control<ComboBox>(QStringLiteral("Combo3")).setListIndex(2); // "Normal" fills the interval
    control<ComboBox>(QStringLiteral("Combo1")).setListIndex(0);
    control<ComboBox>(QStringLiteral("Combo2")).setListIndex(0);
    control<ComboBox>(QStringLiteral("Combo4")).setListIndex(0);
    shutdownTimer_->shutdownElapsedMinutes = 0;
    TopMost::makeTopMost(*this, [this]() -> QWidget& { return working(); });
}

void frmMain::Form_QueryUnload(bool&, int) { endProgram(); }

void frmMain::Form_Unload(bool&) { endProgram(); }

void frmMain::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    if (working_)
        working_->hide();
    shutdownTimer_->dropCountdown();
    // Nothing may run after the close: no click, no countdown, no blink.
    for (auto* t : findChildren<QTimer*>())
        t->stop();
    if (working_)
        for (auto* t : working_->findChildren<QTimer*>())
            t->stop();
    endProgram_();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    Form_QueryUnload(cancel, 0);
    Form_Unload(cancel);
    event->accept();
}

void frmMain::mouseMoveEvent(QMouseEvent*) { hoverBand_->Form_MouseMove(); }

} // namespace app
