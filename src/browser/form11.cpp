// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form11.h"

#include "failure.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "services.h"
#include "toolwindow.h"
#include "twips.h"
#include "webbrowser.h"
#include "windowregistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>

namespace {

const QString notFoundPage = QStringLiteral("about:Página não encontrada!");

ImageButton *toolImage(const char *name, const char *themeIcon, QStyle::StandardPixmap fallback, int left,
                       QWidget *parent)
{
    auto *image = new ImageButton(QString(), QString::fromLatin1(themeIcon), fallback, parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(twips::rect(left, 0, 495, 495));
    return image;
}

} // namespace

Form11::Form11(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("Form11"));
    toolwindow::whiteBackground(this);
    // The restored size, centred; the window opens maximised (setVisible).
    resize(twips::size(8250, 4365));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    brwWebBrowser = m_services.browsers.create(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setHostWindow(this);
    brwWebBrowser->setGeometry(twips::rect(0, 0, 4695, 3135));

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    // The tool bar keeps the system's window colours under the white page.
    Picture1->setAutoFillBackground(true);
    QPalette system = Picture1->palette();
    system.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    Picture1->setPalette(system);
    Picture1->setGeometry(twips::rect(0, 3870, 8250, 495));
    Text1 = new QLineEdit(QStringLiteral("about:Tarvesk"), Picture1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(4080, 120, 5175, 285));
    Image6 = toolImage("Image6", "go-up", QStyle::SP_ArrowUp, 3240, Picture1);
    Image5 = toolImage("Image5", "web-browser", QStyle::SP_DesktopIcon, 1800, Picture1);
    Image4 = toolImage("Image4", "go-home", QStyle::SP_DirHomeIcon, 2400, Picture1);
    Image3 = toolImage("Image3", "process-stop", QStyle::SP_BrowserStop, 1200, Picture1);
    Image2 = toolImage("Image2", "go-next", QStyle::SP_ArrowForward, 600, Picture1);
    Image1.append(toolImage("Image1(0)", "go-previous", QStyle::SP_ArrowBack, 0, Picture1));

    connectControls();
}

void Form11::connectControls()
{
    connect(Text1, &QLineEdit::returnPressed, this, [this] { tryStep([this] { go(); }); });
    for (ImageButton *image : std::as_const(Image1))
        connect(image, &ImageButton::clicked, this, [this] { tryStep([this] { brwWebBrowser->GoBack(); }); });
    connect(Image2, &ImageButton::clicked, this, [this] { tryStep([this] { brwWebBrowser->GoForward(); }); });
    connect(Image3, &ImageButton::clicked, this, [this] { tryStep([this] { brwWebBrowser->Stop(); }); });
    connect(Image4, &ImageButton::clicked, this,
            [this] { m_services.windows.popUpMenu(QStringLiteral("Meneu"), QStringLiteral("menu2")); });
    connect(Image6, &ImageButton::clicked, this, &Form11::returnToFrame);

    const auto showAddress = [this] { tryStep([this] { Text1->setText(brwWebBrowser->LocationURL()); }); };
    connect(brwWebBrowser, &WebBrowser::DownloadComplete, this, showAddress);
    connect(brwWebBrowser, &WebBrowser::NavigateComplete2, this, showAddress);
    connect(brwWebBrowser, &WebBrowser::TitleChange, this,
            [this] { tryStep([this] { setWindowTitle(brwWebBrowser->LocationName()); }); });
    connect(brwWebBrowser, &WebBrowser::NavigateError, this, [this](QObject *, const QString &address) {
        // The message page itself failing must not be asked for again and
        // again.
        if (address != notFoundPage)
            tryStep([this] { brwWebBrowser->Navigate2(notFoundPage); });
    });
    // The request stays with the control, which opens the page in a window
    // of its own; this only adds an empty secondary window beside it.
    connect(brwWebBrowser, &WebBrowser::NewWindow2, this,
            [this] { m_services.windows.createInstance(QStringLiteral("Form11")); });
}

// Maximised once shown: a window holding the web engine's view loses a state
// set before it is mapped. It keeps its maximise button, since window
// managers refuse to maximise a window that has none.
void Form11::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible && !m_opened) {
        m_opened = true;
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void Form11::go()
{
    brwWebBrowser->Navigate2(Text1->text());
}

void Form11::returnToFrame()
{
    frmBrowser *browser = nullptr;
    resumeNext({
        [&] {
            browser = m_services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
            if (!browser)
                throw Failure(QStringLiteral("Não há janela de navegação"));
            browser->cboAddress->setEditText(Text1->text());
        },
        [&] {
            if (!browser)
                throw Failure(QStringLiteral("Não há janela de navegação"));
            browser->brwWebBrowser->Navigate2(browser->cboAddress->currentText());
        },
        [&] { WindowRegistry::bringToFront(m_services.windows.find(QStringLiteral("MDIForm1"))); },
    });
    close();
}

void Form11::closeEvent(QCloseEvent *event)
{
    showFrameIfLast();
    QWidget::closeEvent(event);
}

// However it is closed (by its close box, or returning when the frame could
// not be shown), the last secondary window leaves the frame visible, so that
// nobody is left without a window to go back to.
void Form11::showFrameIfLast()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && qobject_cast<Form11 *>(window) && window->isVisible())
            return;
    }
    QWidget *frame = m_services.windows.find(QStringLiteral("MDIForm1"));
    if (frame && frame->isHidden())
        WindowRegistry::bringToFront(frame);
}

void Form11::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int innerWidth = twips::fromPixels(width());
    const int innerHeight = twips::fromPixels(height());
    Picture1->setGeometry(0, height() - twips::toPixels(495), width(), twips::toPixels(495));
    // A size the control cannot take (negative) is skipped.
    const int pageWidth = innerWidth - 55;
    const int pageHeight = innerHeight - 500;
    if (pageWidth >= 0)
        brwWebBrowser->resize(twips::toPixels(pageWidth), brwWebBrowser->height());
    if (pageHeight >= 0)
        brwWebBrowser->resize(brwWebBrowser->width(), twips::toPixels(pageHeight));
}
