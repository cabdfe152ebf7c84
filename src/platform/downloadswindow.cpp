// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "downloadswindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>

namespace {

QString stateText(const QWebEngineDownloadRequest *download)
{
    switch (download->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted: return QStringLiteral("Concluído");
    case QWebEngineDownloadRequest::DownloadCancelled: return QStringLiteral("Cancelado");
    case QWebEngineDownloadRequest::DownloadInterrupted:
        return QStringLiteral("Interrompido: %1").arg(download->interruptReasonString());
    default: return QStringLiteral("A transferir...");
    }
}

} // namespace

DownloadsWindow::DownloadsWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("downloads"));
    setWindowTitle(QStringLiteral("Ombrano - Transferências"));
    m_rows = new QVBoxLayout(this);
    m_rows->addStretch();
    resize(480, 160);
}

void DownloadsWindow::track(QWebEngineDownloadRequest *download)
{
    auto *row = new QWidget(this);
    auto *layout = new QVBoxLayout(row);
    auto *name = new QLabel(download->downloadDirectory() + QLatin1Char('/') + download->downloadFileName(), row);
    auto *bar = new QProgressBar(row);
    auto *state = new QLabel(stateText(download), row);
    auto *cancel = new QPushButton(QStringLiteral("Cancelar"), row);
    for (QWidget *w : {static_cast<QWidget *>(name), static_cast<QWidget *>(bar), static_cast<QWidget *>(state),
                       static_cast<QWidget *>(cancel)})
        layout->addWidget(w);
    m_rows->insertWidget(m_rows->count() - 1, row);

    const auto update = [download, bar, state, cancel] {
        const qint64 total = download->totalBytes();
        bar->setRange(0, total > 0 ? 100 : 0);
        if (total > 0)
            bar->setValue(int(download->receivedBytes() * 100 / total));
        if (download->isFinished()) {
            bar->setRange(0, 100);
            bar->setValue(download->state() == QWebEngineDownloadRequest::DownloadCompleted ? 100 : bar->value());
            cancel->setEnabled(false);
        }
        state->setText(stateText(download));
    };
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, row, update);
    connect(download, &QWebEngineDownloadRequest::stateChanged, row, update);
    connect(cancel, &QPushButton::clicked, download, &QWebEngineDownloadRequest::cancel);
    update();
    show();
    raise();
}
