// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdiform1.h"

#include "errorreporter.h"
#include "failure.h"
#include "form11.h"
#include "frmbrowser.h"
#include "leaving.h"
#include "notessidebar.h"
#include "product.h"
#include "services.h"
#include "settingsstore.h"
#include "shell.h"
#include "soucercode.h"
#include "twips.h"
#include "webbrowser.h"
#include "windowregistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

#include <algorithm>

namespace {

// A caption's "&" is a plain character here, not a mnemonic mark.
QString plain(const QString &caption)
{
    return QString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

struct ToolWindow {
    const char *item;
    const char *window;
};

// The menu items that only show their window.
constexpr ToolWindow toolWindows[] = {
    {"about", "Form1"},      {"day", "diaehora"},          {"notes", "Form4"},         {"cookies", "Frmcookies"},
    {"bloq", "Form8"},       {"encrypt", "Form9"},         {"antivirus", "Form7"},     {"checkupdates", "frmupdate"},
    {"configfields", "ConfigForms"}, {"optionbrow", "optionhomepage"}, {"player", "Form2"},
};

const QString favouritesSection = QStringLiteral("Favoritos");

QString historyKey(int n)
{
    return QStringLiteral("URLHistory%1").arg(n);
}

// Only spaces make an address blank; anything else in the box is kept.
bool isBlank(const QString &address)
{
    return std::all_of(address.cbegin(), address.cend(), [](QChar c) { return c == QLatin1Char(' '); });
}

struct PageCommand {
    const char *item;
    int command;
    int option;
};

constexpr PageCommand pageCommands[] = {
    {"open2", olecmd::Open, olecmd::PromptUser},    {"setup", olecmd::PageSetup, olecmd::Default},
    {"savep", olecmd::Save, olecmd::Default},       {"saveas", olecmd::SaveAs, olecmd::Default},
    {"print", olecmd::Print, olecmd::Default},      {"props", olecmd::Properties, olecmd::Default},
    {"cut", olecmd::Cut, olecmd::Default},          {"copy", olecmd::Copy, olecmd::Default},
    {"colar", olecmd::Paste, olecmd::Default},      {"selectall", olecmd::SelectAll, olecmd::Default},
};

} // namespace

MDIForm1::MDIForm1(Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Ombrano Explorer"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("web-browser"), style()->standardIcon(QStyle::SP_DesktopIcon)));
    m_area->setObjectName(QStringLiteral("clientArea"));
    m_area->setBackground(Qt::white);
    // A maximised browser window must not maximise every tool window shown
    // after it.
    m_area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    m_area->viewport()->installEventFilter(this);
    setCentralWidget(m_area);
    resize(twips::size(7755, 5040));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    services.windows.setFrameArea(m_area);
    createMenus();
    connectMenus();

    Picture2 = new NotesSideBar(services, this);
    addDockWidget(Qt::RightDockWidgetArea, Picture2);
    Picture2->hide();
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIForm1::showActiveChildMenus);
}

MDIForm1::~MDIForm1()
{
    // The area's child windows go after this part of the frame; their last
    // activations must not reach it.
    disconnect(m_area, nullptr, this, nullptr);
}

QMenu *MDIForm1::addMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *menu = parent ? parent->addMenu(plain(caption)) : menuBar()->addMenu(plain(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    m_menus.insert(menu->objectName(), menu);
    m_items.insert(menu->objectName(), menu->menuAction());
    return menu;
}

QAction *MDIForm1::addItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(plain(caption));
    action->setObjectName(QString::fromLatin1(name));
    m_items.insert(action->objectName(), action);
    return action;
}

void MDIForm1::createMenus()
{
    QMenu *file = addMenu(nullptr, "file", QStringLiteral("Ficheiro"));
    addItem(file, "newww", QStringLiteral("Nova"));
    addItem(file, "open2", QStringLiteral("Abrir"));
    addItem(file, "seeesad", QStringLiteral("-"));
    addItem(file, "setup", QStringLiteral("Page Setup"));
    addItem(file, "savep", QStringLiteral("Guardar Página"));
    addItem(file, "saveas", QStringLiteral("Guardar Página Como..."));
    addItem(file, "print", QStringLiteral("Imprimir página"));
    addItem(file, "source", QStringLiteral("Ver código fonte"));
    addItem(file, "sep", QStringLiteral("-"));
    addItem(file, "props", QStringLiteral("Propriedades"));
    addItem(file, "exit", QStringLiteral("Sair"));

    QMenu *edit = addMenu(nullptr, "edit", QStringLiteral("Editar"));
    addItem(edit, "cut", QStringLiteral("Cortar"));
    addItem(edit, "copy", QStringLiteral("Copiar"));
    addItem(edit, "colar", QStringLiteral("Colar"));
    addItem(edit, "anosep", QStringLiteral("-"));
    addItem(edit, "selectall", QStringLiteral("Seleccionar Tudo"));

    QMenu *see = addMenu(nullptr, "seeWhat", QStringLiteral("Ver"));
    addItem(see, "seenotes", QStringLiteral("Notas"));
    addItem(see, "seetonalisbar", QStringLiteral("Barra Tonalis"));
    addItem(see, "navenine", QStringLiteral("Navegação a 90%"));

    QMenu *favourites = addMenu(nullptr, "favoritos", QStringLiteral("Favoritos"));
    addItem(favourites, "addd", QStringLiteral("Adicionar"));
    addItem(favourites, "seeee", QStringLiteral("-"));
    for (int i = 0; i <= 30; ++i) {
        const QString caption = i == 0 ? QStringLiteral("URLHistory") : QStringLiteral("URLHistory%1").arg(i);
        const QByteArray name = QStringLiteral("mnuURLHistory(%1)").arg(i).toLatin1();
        QAction *history = addItem(favourites, name.constData(), caption);
        history->setVisible(false);
        mnuURLHistory.append(history);
    }

    QMenu *tools = addMenu(nullptr, "tools", QStringLiteral("Ferramentas"));
    addItem(tools, "player", QStringLiteral("Tonalis"));
    addItem(tools, "notes", QStringLiteral("Tomar Notas"));
    addItem(tools, "cookies", QStringLiteral("Eliminar Cookies"));
    addItem(tools, "bloq", QStringLiteral("Bloquear Pop-Ups"));
    addItem(tools, "encrypt", QStringLiteral("Guardar Passwords"));
    QMenu *links = addMenu(tools, "links", QStringLiteral("Programas de Segurança"));
    addItem(links, "antivirus", QStringLiteral("Anti-Virus"));
    addItem(links, "hiijackthis", QStringLiteral("HiijackThis"));
    addItem(links, "adaware", QStringLiteral("Ad-Aware 6"));
    addItem(links, "spybot", QStringLiteral("SpyBot Search & Destroy"));
    addItem(tools, "seee", QStringLiteral("-"));
    addItem(tools, "optionbrow", QStringLiteral("Opção de Homepage"));

    QMenu *form = addMenu(nullptr, "formulario", QStringLiteral("Formulário"));
    addItem(form, "fieldprench", QStringLiteral("Preencher"));
    addItem(form, "fgfg", QStringLiteral("-"));
    addItem(form, "configfields", QStringLiteral("Configurar"));

    QMenu *help = addMenu(nullptr, "help", QStringLiteral("Ajuda"));
    addItem(help, "day", QStringLiteral("Dia e Hora"));
    addItem(help, "sit", QStringLiteral("Visitar Site"));
    addItem(help, "helpofombrano", QStringLiteral("Ajuda do Ombrano"));
    addItem(help, "checkupdates", QStringLiteral("Verificar Updates"));
    addItem(help, "about", QStringLiteral("Acerca do Ombrano"));
    m_ownMenus = menuBar()->actions();
}

void MDIForm1::onItem(const char *name, const std::function<void()> &action)
{
    connect(item(QString::fromLatin1(name)), &QAction::triggered, this, [action] { tryStep(action); });
}

void MDIForm1::connectMenus()
{
    onItem("newww", [this] { newBrowserWindow(); });
    onItem("exit", [this] { leaveProgram(m_services); });
    onItem("sit", [this] { showWelcomePage(); });
    onItem("helpofombrano", [this] { openHelp(); });
    onItem("source", [this] { showPageSource(m_services); });
    onItem("seenotes", [this] { Picture2->setVisible(Picture2->isHidden()); });
    onItem("navenine", [this] { browseInSecondaryWindow(); });
    for (const ToolWindow &tool : toolWindows) {
        const QString window = QString::fromLatin1(tool.window);
        onItem(tool.item, [this, window] { m_services.windows.show(window); });
    }
    connectFavourites();
    connectPageCommands();
}

void MDIForm1::load()
{
    resumeNext({
        [this] { LoadRecentURLs(); },
        [this] { m_services.windows.show(QStringLiteral("frmBrowser")); },
    });
    showMaximized();
}

void MDIForm1::newBrowserWindow()
{
    m_services.windows.createInstance(QStringLiteral("frmBrowser"));
}

// Moves browsing into the secondary window on the default browser window's
// address and hides the frame; the secondary window brings it back.
void MDIForm1::browseInSecondaryWindow()
{
    auto *browser = m_services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
    auto *secondary = m_services.windows.get<Form11>(QStringLiteral("Form11"));
    if (!browser || !secondary)
        return;
    secondary->Text1->setText(browser->cboAddress->currentText());
    // The control refuses an empty address; the window opens all the same.
    tryStep([secondary] { secondary->go(); });
    m_services.windows.show(QStringLiteral("Form11"));
    hide();
}

void MDIForm1::showWelcomePage()
{
    auto *browser = m_services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
    if (browser)
        browser->brwWebBrowser->Navigate(m_services.sysFile(product::welcomePage()));
}

void MDIForm1::openHelp()
{
    m_services.shell.open(m_services.sysFile(QStringLiteral("Ajuda do Ombrano.chm")));
}

// The default browser window, created if it was closed.
frmBrowser *MDIForm1::defaultBrowser()
{
    auto *browser = m_services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
    if (!browser)
        throw Failure(QStringLiteral("A janela de navegação não está disponível"));
    return browser;
}

void MDIForm1::WriteRecentURLs(const QString &address)
{
    if (isBlank(address))
        return;
    SettingsStore &store = m_services.settings;
    const QString application = product::title();
    // A gap (an empty key) is not closed up: the key after it keeps its value.
    for (int n = 9; n >= 1; --n) {
        const QString older = store.read(application, favouritesSection, historyKey(n));
        if (!older.isEmpty())
            store.write(application, favouritesSection, historyKey(n + 1), older);
    }
    store.write(application, favouritesSection, historyKey(1), address);
}

void MDIForm1::LoadRecentURLs()
{
    const SettingsStore &store = m_services.settings;
    if (store.read(product::title(), favouritesSection, historyKey(1)).isEmpty())
        return;
    // The store's own order (first creation) decides the menu's order, not
    // the number in the key.
    const QList<SettingsStore::Entry> entries = store.list(product::title(), favouritesSection);
    for (qsizetype i = 0; i < entries.size() && i < mnuURLHistory.size(); ++i) {
        QAction *history = mnuURLHistory.at(i);
        history->setText(plain(entries.at(i).second));
        history->setData(entries.at(i).second);
        history->setVisible(true);
    }
}

void MDIForm1::connectFavourites()
{
    onItem("addd", [this] { addCurrentAddress(); });
    for (qsizetype i = 0; i < mnuURLHistory.size(); ++i)
        connect(mnuURLHistory.at(i), &QAction::triggered, this, [this, i] { openRecentAddress(int(i)); });
}

void MDIForm1::addCurrentAddress()
{
    reportFailure(m_services.errors, [this] {
        WriteRecentURLs(defaultBrowser()->cboAddress->currentText());
        LoadRecentURLs();
    });
}

void MDIForm1::openRecentAddress(int index)
{
    const QString address = mnuURLHistory.at(index)->data().toString();
    reportFailure(m_services.errors, [this, &address] {
        frmBrowser *browser = defaultBrowser();
        browser->cboAddress->setEditText(address);
        browser->brwWebBrowser->Navigate(browser->cboAddress->currentText());
        browser->cboAddress->setFocus(Qt::OtherFocusReason);
    });
}

void MDIForm1::connectPageCommands()
{
    for (const PageCommand &page : pageCommands) {
        const int command = page.command;
        const int option = page.option;
        onItem(page.item, [this, command, option] { pageCommand(command, option); });
    }
}

// The control carries out the command with its own dialogs; nothing is
// reported, and the command is sent even when the focus could not be given.
void MDIForm1::pageCommand(int command, int option)
{
    WebBrowser *control = nullptr;
    const auto theControl = [&control] {
        if (!control)
            throw Failure(QStringLiteral("A janela de navegação não está disponível"));
        return control;
    };
    resumeNext({
        [&] { control = defaultBrowser()->brwWebBrowser; },
        [&] { theControl()->SetFocus(); },
        [&] { theControl()->ExecWB(command, option); },
    });
}

// A child window with menus of its own (the source viewer) shows them in the
// menu bar in place of the frame's while it is the current child window.
void MDIForm1::showActiveChildMenus()
{
    // The current child, not the signal's: a frame that loses the focus to
    // another window keeps its current child and so its menus.
    const QMdiSubWindow *current = m_area->currentSubWindow();
    const auto *viewer = current ? qobject_cast<const soucercode *>(current->widget()) : nullptr;
    const QList<QMenu *> childMenus = viewer ? viewer->menus() : QList<QMenu *>();
    for (const QPointer<QAction> &borrowed : std::as_const(m_childMenus)) {
        if (borrowed)
            menuBar()->removeAction(borrowed);
    }
    m_childMenus.clear();
    for (QMenu *menu : childMenus) {
        menuBar()->addAction(menu->menuAction());
        m_childMenus.append(menu->menuAction());
    }
    for (QAction *own : std::as_const(m_ownMenus))
        own->setVisible(childMenus.isEmpty());
}

bool MDIForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area->viewport()) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            tryStep([this] { newBrowserWindow(); });
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton) {
            const QPoint where = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            if (QMenu *popUp = m_services.windows.menu(QStringLiteral("Meneu"), QStringLiteral("menu")))
                popUp->popup(where);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIForm1::closeEvent(QCloseEvent *event)
{
    // Each child window runs its own closing handler first.
    m_area->closeAllSubWindows();
    event->accept();
}
