// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QVBoxLayout;
class QWebEngineDownloadRequest;

// Shows each download the user accepted with its progress and outcome.
class DownloadsWindow : public QWidget
{
    Q_OBJECT
public:
    explicit DownloadsWindow(QWidget *parent = nullptr);

    void track(QWebEngineDownloadRequest *download);

private:
    QVBoxLayout *m_rows;
};
