#pragma once

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QString>
#include <QStringList>

#include "platform.h"

// A desktop that lives in one folder: the program directory is that folder, and every
// message, status line and window close is written down instead of shown, so benchmarks,
// fuzz targets and fault tests can drive the real window model headless and look at what
// the user would have been told.
class FolderPlatform final : public Platform
{
public:
    explicit FolderPlatform(const QString &folder) : m_folder(folder) {}

    QString programDirectory() const override { return m_folder; }
    QString userConfigDirectory() const override { return QDir(m_folder).filePath(QStringLiteral("config")); }
    QDate today() const override { return QDate(2001, 3, 5); }
    QLocale locale() const override { return QLocale(QLocale::English, QLocale::UnitedStates); }

    void showWarning(const QString &title, const QString &text) override
    {
        warnings.append(title + QStringLiteral(": ") + text);
    }
    void showStatus(const QString &text) override { statuses.append(text); }
    void closeMainWindow() override { ++closes; }
    void exitProgram() override { ++exits; }

    std::optional<QString> chooseFile(const FileDialogRequest &) override { return chosenFile; }
    void openWithDesktop(const QString &verb, const QString &path) override
    {
        opened.append(verb + QStringLiteral(" ") + path);
    }

    // What the next file dialog answers; no value means the user cancels.
    std::optional<QString> chosenFile;

    QStringList warnings;
    QStringList statuses;
    QStringList opened;
    int closes = 0;
    int exits = 0;

private:
    QString m_folder;
};
