#pragma once

#include <QStringList>

#include "platform.h"

// The desktop as the window model sees it, reduced to what start-up and the design handlers
// touch: a fixed program folder and date, and every message recorded instead of shown.
class FakePlatform final : public Platform
{
public:
    explicit FakePlatform(QString directory) : m_directory(std::move(directory)) {}

    QString programDirectory() const override { return m_directory; }
    QString userConfigDirectory() const override { return m_directory; }
    QDate today() const override { return QDate(2024, 3, 5); }
    QLocale locale() const override { return QLocale(QLocale::English, QLocale::UnitedStates); }
    void showWarning(const QString &title, const QString &text) override
    {
        messages << title + QStringLiteral(": ") + text;
    }
    void showStatus(const QString &text) override { messages << text; }
    void closeMainWindow() override { messages << QStringLiteral("closed"); }
    void exitProgram() override { messages << QStringLiteral("exit"); }
    std::optional<QString> chooseFile(const FileDialogRequest &) override { return std::nullopt; }
    void openWithDesktop(const QString &, const QString &) override {}

    QStringList messages;

private:
    QString m_directory;
};
