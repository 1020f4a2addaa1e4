#include "author/authoroptionsform.h"

#include <QDir>

#include "author/authoroptionsfile.h"
#include "platform/platform.h"

AuthorOptionsForm::AuthorOptionsForm(Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform)
{
}

QString AuthorOptionsForm::filePath() const
{
    return AuthorOptionsFile::location(m_platform);
}

void AuthorOptionsForm::Form_Load()
{
    const AuthorProfile profile = AuthorOptionsFile::read(filePath());
    txtName.setText(profile.name);
    txtEmail.setText(profile.email);
    txtURL.setText(profile.url);
}

AuthorOptionsForm::OkResult AuthorOptionsForm::cmdOk_Click()
{
    const QString path = filePath();
    const std::optional<QString> failure =
        AuthorOptionsFile::write(path, {txtName.text(), txtEmail.text(), txtURL.text()});
    if (failure) {
        const QString message = tr("The author options could not be saved to %1: %2.")
                                    .arg(QDir::toNativeSeparators(path), *failure);
        m_platform.showWarning(tr("Options Not Saved"), message);
        return {false, message};
    }
    emit unloadRequested();
    return {true, QString()};
}

void AuthorOptionsForm::cmdCancel_Click()
{
    emit unloadRequested();
}
