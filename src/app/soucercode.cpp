// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "soucercode.h"

#include "errorreporter.h"
#include "failure.h"
#include "frmbrowser.h"
#include "imagebutton.h"
#include "messagebox.h"
#include "product.h"
#include "services.h"
#include "shell.h"
#include "textcodec.h"
#include "toolwindow.h"
#include "twips.h"
#include "webbrowser.h"
#include "windowregistry.h"

#include <QPointer>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

namespace {

// The text box holds its lines with LF; the program's text files end their
// lines with CR LF.
QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace

soucercode::soucercode(Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("soucercode"));
    toolwindow::whiteBackground(this);
    resize(twips::size(7590, 6390));
    setMouseTracking(true);
    createControls();
    createMenu();
}

void soucercode::createControls()
{
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twips::rect(120, 5400, 7335, 285));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(120, 0, 7335, 5295));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twips::rect(120, 5880, 4815, 375));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(11.25);
    tahoma.setBold(true);
    Label3->setFont(tahoma);

    Image2 = new ImageButton(QStringLiteral("Novo"), QStringLiteral("document-new"), QStyle::SP_FileIcon, this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips::rect(5160, 5760, 480, 480));
    label2 = new ImageButton(QStringLiteral("Abrir"), QStringLiteral("document-open"), QStyle::SP_DialogOpenButton,
                             this);
    label2->setObjectName(QStringLiteral("label2"));
    label2->setGeometry(twips::rect(5760, 5760, 480, 480));
    label1 = new ImageButton(QStringLiteral("Guardar"), QStringLiteral("document-save"), QStyle::SP_DialogSaveButton,
                             this);
    label1->setObjectName(QStringLiteral("label1"));
    label1->setGeometry(twips::rect(6360, 5760, 480, 480));
    Image1 = new ImageButton(QStringLiteral("Fechar"), QStringLiteral("window-close"), QStyle::SP_DialogCloseButton,
                             this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(6960, 5760, 480, 480));

    m_help = {
        {Label3, QString()},
        {Text1, QStringLiteral("Código Fonte")},
        {Text2, QStringLiteral("Directório e nome do ficheiro")},
        {Image2, QStringLiteral("Novo")},
        {label2, QStringLiteral("Abrir")},
        {label1, QStringLiteral("Guardar")},
        {Image1, QStringLiteral("Fechar o Source Code")},
    };
    // The text box's moves arrive at its viewport; the others at themselves.
    for (QWidget *watched : {static_cast<QWidget *>(Text1->viewport()), static_cast<QWidget *>(Text2),
                             static_cast<QWidget *>(Label3), static_cast<QWidget *>(Image2),
                             static_cast<QWidget *>(label2), static_cast<QWidget *>(label1),
                             static_cast<QWidget *>(Image1)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }

    connect(Image2, &ImageButton::clicked, this, [this] { Text1->clear(); });
    connect(label2, &ImageButton::clicked, this, &soucercode::openFile);
    connect(label1, &ImageButton::clicked, this, &soucercode::saveSource);
    connect(Image1, &ImageButton::clicked, this, [this] { WindowRegistry::closeWindow(this); });
}

void soucercode::createMenu()
{
    file = new QMenu(QStringLiteral(" Ficheiro"), this);
    file->setObjectName(QStringLiteral("file"));
    file->menuAction()->setObjectName(QStringLiteral("file"));
    open = file->addAction(QStringLiteral("Abrir"));
    open->setObjectName(QStringLiteral("open"));
    save = file->addAction(QStringLiteral("Guardar"));
    save->setObjectName(QStringLiteral("save"));
    closeme = file->addAction(QStringLiteral("Fechar Source Code"));
    closeme->setObjectName(QStringLiteral("closeme"));

    connect(open, &QAction::triggered, this, &soucercode::openFile);
    connect(save, &QAction::triggered, this, &soucercode::saveSource);
    connect(closeme, &QAction::triggered, this, [this] { WindowRegistry::closeWindow(this); });
}

QList<QMenu *> soucercode::menus() const
{
    return {file};
}

void soucercode::load()
{
    tryStep([this] { toolwindow::fixedSingleBorder(this, true); });
    Text2->setText(m_services.programFolder + QStringLiteral("/CodigoFonte.txt"));
}

void soucercode::saveSource()
{
    const QString path = Text2->text();
    reportFailure(m_services.errors, [&] {
        textcodec::appendTextFile(path, withCrLf(Text1->toPlainText()) + QStringLiteral("\r\n"));
        m_services.messages.show(product::title(), QStringLiteral("O código fonte foi guardado em: ") + path);
    });
}

void soucercode::openFile()
{
    // Whether the shell found a program for the file is not looked at.
    reportFailure(m_services.errors, [this] { m_services.shell.open(Text2->text()); });
}

void soucercode::showHelpFor(QWidget *under)
{
    while (under && under != this && !m_help.contains(under))
        under = under->parentWidget();
    const QString help = m_help.value(under);
    if (Label3->text() != help)
        Label3->setText(help);
}

bool soucercode::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        showHelpFor(qobject_cast<QWidget *>(watched));
    return QWidget::eventFilter(watched, event);
}

void soucercode::mouseMoveEvent(QMouseEvent *event)
{
    // Moves the controls pass on arrive here too, in this window's
    // coordinates; the control under the pointer decides the text.
    showHelpFor(childAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void showPageSource(Services &services)
{
    reportFailure(services.errors, [&services] {
        auto *browser = services.windows.get<frmBrowser>(QStringLiteral("frmBrowser"));
        if (!browser)
            throw Failure(QStringLiteral("Não há janela de navegação"));
        // The page is read before the viewer is made, so that a page without
        // a document leaves no hidden viewer behind.
        // Reading waits for the page, and a window closed meanwhile is gone
        // when the answer comes.
        const QPointer<frmBrowser> guard(browser);
        const QString markup = browser->brwWebBrowser->Document().documentElementInnerHtml();
        if (!guard)
            throw Failure(QStringLiteral("A janela de navegação foi fechada"));
        auto *viewer = services.windows.get<soucercode>(QStringLiteral("soucercode"));
        if (!viewer)
            throw Failure(QStringLiteral("Não foi possível abrir o código fonte"));
        viewer->Text1->setPlainText(markup);
        viewer->setWindowTitle(QStringLiteral("Código Fonte De: ") + browser->brwWebBrowser->LocationName());
        WindowRegistry::bringToFront(viewer);
    });
}
