// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmbrowser.h"

#include "beat.h"
#include "failure.h"
#include "designcontrols.h"
#include "form6.h"
#include "homepage.h"
#include "imagebutton.h"
#include "product.h"
#include "program.h"
#include "services.h"
#include "toolwindow.h"
#include "twips.h"
#include "webbrowser.h"
#include "windowregistry.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

namespace {

template<class T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

bool isEnterKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

QStringList frmBrowser::presetAddresses()
{
    return {
        QStringLiteral("http://www.google.pt/"),   QStringLiteral("http://www.hotmail.com/"),
        QStringLiteral("http://www.sapo.pt/"),     product::site() + QLatin1Char('/'),
        QStringLiteral("http://www.publico.pt/"),  QStringLiteral("http://www.dn.pt/"),
        QStringLiteral("http://www.rtp.pt/"),      QStringLiteral("http://www.expresso.pt/"),
        QStringLiteral("http://www.record.pt/"),   QStringLiteral("http://www.abola.pt/"),
        QStringLiteral("http://www.wikipedia.org/"),
    };
}

QString frmBrowser::quickSearchAddress(const QString &text)
{
    // The text goes in exactly as typed: nothing of it is escaped.
    return QStringLiteral("http://") + product::searchHost()
        + QStringLiteral("/search?hl=en&ie=UTF-8&oe=UTF-8&q=") + text;
}

frmBrowser::frmBrowser(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("Ombrano Explorer"));
    toolwindow::whiteBackground(this);
    resize(twips::size(10020, 5130));
    createControls();
    createImages();
    connectImages();
    connectBrowser();
    Timprogbar->start();
    Timer1->start();
}

frmBrowser::~frmBrowser() = default;

void frmBrowser::createControls()
{
    Timprogbar = named(new BeatTimer(m_services.beat, 1000, this), "Timprogbar");
    txtval = named(new QLineEdit(this), "txtval");
    txtval->setGeometry(twips::rect(120, 1320, 150, 285));
    txtval->setFrame(false);
    txtval->hide();
    txtmax = named(new QLineEdit(this), "txtmax");
    txtmax->setGeometry(twips::rect(120, 1320, 975, 285));
    txtmax->setFrame(false);
    txtmax->hide();
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setGeometry(twips::rect(7200, 4920, 1335, 255));
    ProgressBar1->setTextVisible(false);
    Txtgoogle = named(new QLineEdit(this), "Txtgoogle");
    Txtgoogle->setGeometry(twips::rect(7320, 360, 2055, 285));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    Txtgoogle->setFont(tahoma);
    Txtgoogle->installEventFilter(this);
    Timer1 = named(new BeatTimer(m_services.beat, 60, this), "Timer1");

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(twips::rect(0, 4875, 10020, 255));
    // The panels keep their widths, none narrower than 1440 twips; a window
    // too narrow for all three cuts off the last ones at its edge.
    for (const int width : {7080, 1440, 1440}) {
        auto *panel = new QLabel(StatusBar1);
        panel->setObjectName(QStringLiteral("Panel%1").arg(statusPanels.size() + 1));
        panel->setFixedWidth(twips::toPixels(qMax(width, 1440)));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(panel);
        statusPanels.append(panel);
    }

    cboAddress = named(new QComboBox(this), "cboAddress");
    cboAddress->setEditable(true);
    // The box keeps exactly what the window puts in its list: no entries of
    // its own on Enter and no completion of typed text.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setCompleter(nullptr);
    cboAddress->setMaxVisibleItems(20);
    cboAddress->setGeometry(twips::rect(0, 840, 11835, 315));
    cboAddress->addItems(presetAddresses());
    cboAddress->setEditText(QStringLiteral("about:blank"));
    // The box would otherwise turn Enter or leaving it into a selection of a
    // matching entry, and so into a second navigation.
    disconnect(cboAddress->lineEdit(), &QLineEdit::returnPressed, cboAddress, nullptr);
    disconnect(cboAddress->lineEdit(), &QLineEdit::editingFinished, cboAddress, nullptr);
    // Keys reach the box itself, which hands them on to its line edit
    // without filters; a test or an input method may send them to the line
    // edit directly.
    cboAddress->installEventFilter(this);
    cboAddress->lineEdit()->installEventFilter(this);

    brwWebBrowser = m_services.browsers.create(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setHostWindow(this);
    brwWebBrowser->setGeometry(twips::rect(0, 1200, 11880, 7095));

    timTimer = named(new QTimer(this), "timTimer");
    timTimer->setInterval(5);

    Label1 = named(new QLabel(QStringLiteral("Pesquisa rápida:"), this), "Label1");
    Label1->setGeometry(twips::rect(7320, 120, 1575, 255));
    lblAddress = named(new QLabel(QStringLiteral("&Endereço:"), this), "lblAddress");
    lblAddress->setGeometry(twips::rect(0, 600, 3075, 255));
    lblAddress->setBuddy(cboAddress);
}

void frmBrowser::createImages()
{
    createImageButtons(this, {
        {Image10, "Image10", "Fechar Tudo!", "application-exit", QStyle::SP_DialogCloseButton,
         twips::rect(6600, 120, 480, 480)},
        {Image9, "Image9", "Bloquear Pop-Ups", "security-high", QStyle::SP_MessageBoxWarning,
         twips::rect(5880, 120, 480, 480)},
        {Image8, "Image8", "Tonalis", "audio-x-generic", QStyle::SP_MediaPlay, twips::rect(5160, 120, 480, 480)},
        {Image7, "Image7", "Favoritos", "bookmark-new", QStyle::SP_DirLinkIcon, twips::rect(4440, 120, 480, 480)},
        {Image6, "Image6", "Parar", "process-stop", QStyle::SP_BrowserStop, twips::rect(1560, 120, 480, 480)},
        {Image5, "Image5", "Procurar", "edit-find", QStyle::SP_FileDialogContentsView,
         twips::rect(3720, 120, 480, 480)},
        {Image4, "Image4", "Homepage", "go-home", QStyle::SP_DirHomeIcon, twips::rect(3000, 120, 480, 480)},
        {Image3, "Image3", "Refrescar", "view-refresh", QStyle::SP_BrowserReload, twips::rect(2280, 120, 480, 480)},
        {Image2, "Image2", "Seguinte", "go-next", QStyle::SP_ArrowForward, twips::rect(840, 120, 495, 495)},
        {Image1, "Image1", "Anterior", "go-previous", QStyle::SP_ArrowBack, twips::rect(120, 120, 480, 480)},
    });
}

void frmBrowser::navigateCommand(void (WebBrowser::*command)())
{
    timTimer->start();
    tryStep([&] { (brwWebBrowser->*command)(); });
}

void frmBrowser::connectImages()
{
    connect(Image1, &ImageButton::clicked, this, [this] { navigateCommand(&WebBrowser::GoBack); });
    connect(Image2, &ImageButton::clicked, this, [this] { navigateCommand(&WebBrowser::GoForward); });
    connect(Image3, &ImageButton::clicked, this, [this] { navigateCommand(&WebBrowser::Refresh); });
    connect(Image5, &ImageButton::clicked, this, [this] { navigateCommand(&WebBrowser::GoSearch); });
    connect(Image6, &ImageButton::clicked, this, [this] {
        resumeNext({[this] { timTimer->stop(); }, [this] { brwWebBrowser->Stop(); },
                    [this] { setWindowTitle(brwWebBrowser->LocationName()); }});
    });
    connect(Image4, &ImageButton::clicked, this,
            [this] { m_services.windows.popUpMenu(QStringLiteral("Meneu"), QStringLiteral("menu2")); });
    connect(Image7, &ImageButton::clicked, this,
            [this] { m_services.windows.popUpMenu(QStringLiteral("MDIForm1"), QStringLiteral("favoritos")); });
    connect(Image8, &ImageButton::clicked, this, [this] { m_services.windows.show(QStringLiteral("Form2")); });
    connect(Image9, &ImageButton::clicked, this, [this] { m_services.windows.show(QStringLiteral("Form8")); });
    connect(Image10, &ImageButton::clicked, this, [this] { m_services.program.endNow(); });
}

void frmBrowser::connectBrowser()
{
    connect(cboAddress, &QComboBox::activated, this, [this] { tryStep([this] { addressClick(); }); });
    connect(brwWebBrowser, &WebBrowser::NavigateComplete2, this, &frmBrowser::onNavigateComplete);
    connect(brwWebBrowser, &WebBrowser::DownloadComplete, this, &frmBrowser::onDownloadComplete);
    connect(brwWebBrowser, &WebBrowser::NavigateError, this,
            [this](QObject *, const QString &address) {
                if (!isErrorPage(address))
                    onNavigateError();
            });
    connect(brwWebBrowser, &WebBrowser::NewWindow2, this, [this](QObject **window) { onNewWindow(window); });
    connect(brwWebBrowser, &WebBrowser::StatusTextChange, this, &frmBrowser::onStatusText);
    connect(brwWebBrowser, &WebBrowser::ProgressChange, this, &frmBrowser::onProgressChange);
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::onLoadingCaption);
    connect(Timer1, &BeatTimer::timeout, this, &frmBrowser::onConnectionPoll);
    connect(Timprogbar, &BeatTimer::timeout, this, [this] { tryStep([this] { placeProgressBar(); }); });
}

void frmBrowser::load()
{
    resumeNext({
        [this] { WindowRegistry::bringToFront(this); },
        [this] { maximiseIfFirst(); },
        [this] { placeProgressBar(); },
        [this] { layOut(); },
        [this] {
            cboAddress->move(twips::toPixels(50),
                             lblAddress->y() + lblAddress->height() + twips::toPixels(15));
        },
        [this] { loadStartPage(); },
    });
}

// The first browser window fills the frame; further ones open at their
// design size above it.
void frmBrowser::maximiseIfFirst()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (sub && m_services.windows.find(QStringLiteral("frmBrowser")) == this)
        sub->showMaximized();
}

void frmBrowser::loadStartPage()
{
    const auto failure = firstFailure([this] {
        const QString home = homepage::stored(m_services.settings);
        cboAddress->setEditText(home);
        cboAddress->addItem(home);
        timTimer->start();
        addressClick();
    });
    if (!failure)
        return;
    tryStep([this] {
        cboAddress->setEditText(StartingAddress);
        cboAddress->addItem(StartingAddress);
        timTimer->start();
        brwWebBrowser->GoHome();
    });
}

void frmBrowser::los()
{
    addressClick();
}

void frmBrowser::addressClick()
{
    if (suppressAddressClick)
        return;
    timTimer->start();
    brwWebBrowser->Navigate(cboAddress->currentText());
}

bool frmBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == cboAddress || watched == cboAddress->lineEdit()) && isEnterKey(event)) {
        tryStep([this] { addressClick(); });
        ProgressBar1->setValue(0);
    } else if (watched == Txtgoogle && isEnterKey(event)) {
        tryStep([this] { brwWebBrowser->Navigate(quickSearchAddress(Txtgoogle->text())); });
    }
    return QWidget::eventFilter(watched, event);
}

void frmBrowser::onNavigateComplete()
{
    tryStep([this] { setWindowTitle(brwWebBrowser->LocationName()); });
    const QString address = brwWebBrowser->LocationURL();
    int equal = -1;
    for (int i = 0; i < cboAddress->count(); ++i) {
        if (cboAddress->itemText(i) == address) {
            equal = i;
            break;
        }
    }
    suppressAddressClick = true;
    if (equal >= 0)
        cboAddress->removeItem(equal);
    cboAddress->insertItem(0, address);
    cboAddress->setCurrentIndex(0);
    suppressAddressClick = false;
    tryStep([this] { brwWebBrowser->SetFocus(); });
}

void frmBrowser::onDownloadComplete()
{
    resumeNext({[this] { cboAddress->setEditText(brwWebBrowser->LocationURL()); },
                [this] { brwWebBrowser->SetFocus(); }});
}

bool frmBrowser::isErrorPage(const QString &address) const
{
    const QUrl url(address);
    if (!url.isLocalFile() && !QFileInfo(address).isAbsolute())
        return false;
    const QString path = url.isLocalFile() ? url.toLocalFile() : address;
    return QDir::cleanPath(path) == QDir::cleanPath(m_services.sysFile(product::errorPage()));
}

void frmBrowser::onNavigateError()
{
    tryStep([this] { brwWebBrowser->Navigate(m_services.sysFile(product::errorPage())); });
}

void frmBrowser::onNewWindow(QObject **window)
{
    // The request carries no window object, so its default value cannot be
    // read and the address stays empty; the control then keeps its page and
    // opens the new window itself.
    QString address;
    tryStep([&] {
        if (!window || !*window)
            throw Failure(QStringLiteral("Objecto necessário"));
        address = (*window)->property("LocationURL").toString();
    });
    tryStep([&] { brwWebBrowser->Navigate2(address); });
}

void frmBrowser::onLoadingCaption()
{
    tryStep([this] {
        if (!brwWebBrowser->Busy()) {
            timTimer->stop();
            setWindowTitle(brwWebBrowser->LocationName());
        } else {
            setWindowTitle(QStringLiteral("A carregar..."));
        }
    });
}

void frmBrowser::onStatusText(const QString &text)
{
    setTextIfChanged(statusPanels.at(0), text);
}

void frmBrowser::onConnectionPoll()
{
    Form6 *check = nullptr;
    resumeNext({
        [&] {
            check = m_services.windows.get<Form6>(QStringLiteral("Form6"));
            if (!check)
                throw Failure(QStringLiteral("Form6 não existe"));
            check->go();
        },
        [&] {
            if (!check)
                throw Failure(QStringLiteral("Form6 não existe"));
            setTextIfChanged(statusPanels.at(2), check->Text3->text());
        },
    });
}

void frmBrowser::onProgressChange(int progress, int maximum)
{
    setTextIfChanged(txtmax, QString::number(maximum));
    setTextIfChanged(txtval, QString::number(progress));
    // The bar refuses a maximum of 0 and values outside its range and then
    // keeps its previous setting.
    const float newMaximum = txtmax->text().toFloat();
    if (newMaximum > 0)
        ProgressBar1->setMaximum(int(newMaximum));
    const float value = txtval->text().toFloat();
    if (value >= 0 && value <= ProgressBar1->maximum())
        ProgressBar1->setValue(int(value));
}

// The second panel's rectangle, through twips as the design places it; the
// bar is only moved, raised or shown when it is not already where it belongs,
// since every window does this once a second.
void frmBrowser::placeProgressBar()
{
    if (StatusBar1->layout())
        StatusBar1->layout()->activate();
    const QRect part = statusPanels.at(1)->geometry();
    const int top = twips::fromPixels(part.top());
    const int left = twips::fromPixels(part.left());
    const int height = twips::fromPixels(part.top() + part.height()) - top;
    const int width = twips::fromPixels(part.left() + part.width()) - left;
    if (ProgressBar1->parentWidget() != StatusBar1) {
        ProgressBar1->setParent(StatusBar1);
        ProgressBar1->raise();
    }
    const QRect place = twips::rect(left, top, width, height);
    if (ProgressBar1->geometry() != place)
        ProgressBar1->setGeometry(place);
    if (ProgressBar1->isHidden())
        ProgressBar1->show();
    ProgressBar1->setValue(0);
}

void frmBrowser::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void frmBrowser::layOut()
{
    const int innerWidth = twips::fromPixels(width());
    const int innerHeight = twips::fromPixels(height());
    // A size the window cannot give (minimised, or smaller than the margins)
    // is skipped; the other sizes still apply.
    const int boxWidth = innerWidth - 55;
    const int pageHeight = innerHeight - 1500;
    if (boxWidth >= 0) {
        cboAddress->resize(twips::toPixels(boxWidth), cboAddress->height());
        brwWebBrowser->resize(twips::toPixels(boxWidth), brwWebBrowser->height());
    }
    if (pageHeight >= 0)
        brwWebBrowser->resize(brwWebBrowser->width(), twips::toPixels(pageHeight));
    StatusBar1->setGeometry(0, height() - twips::toPixels(255), width(), twips::toPixels(255));
}
