#pragma once

#include <QStringList>

#include "platform/platform.h"

// The desktop of a window nobody sees: the private window models the spell book rebuilds spells
// on. It asks nothing and shows nothing; what the window would have said is kept, to be read.
class QuietPlatform final : public Platform
{
public:
    explicit QuietPlatform(const QString &programDirectory) : m_programDirectory(programDirectory) {}

    QString programDirectory() const override { return m_programDirectory; }
    QString userConfigDirectory() const override { return QString(); }
    QString userDataDirectory() const override { return QString(); }
    QDate today() const override { return QDate::currentDate(); }
    QLocale locale() const override { return QLocale(); }

    void showWarning(const QString &, const QString &text) override { said.append(text); }
    bool ask(const QString &, const QString &) override { return false; }
    void showStatus(const QString &) override {}
    void closeMainWindow() override {}
    void exitProgram() override {}
    void showDocument(const QString &, bool) override {}
    std::optional<QString> chooseFile(const FileDialogRequest &) override { return std::nullopt; }
    void openWithDesktop(const QString &, const QString &, const std::function<void()> &) override {}
    void showPageInProgram(const QString &) override {}

    QStringList said;

private:
    QString m_programDirectory;
};
