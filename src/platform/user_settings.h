#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>
#include <vector>

namespace platform {

// The user's choices (a few switches) in a small text file of sections and
// key=value lines, keys like "print/rememberClient". The file is read when the
// object is made and written whole on every change; a value reads back
// exactly as it was given, blanks and quotes included. A file that is a symbolic
// link, not a regular file, larger than kMaxSettingsBytes or unreadable is
// not used, nor written over; a file that cannot be written keeps its old
// text. Either is reported once per run (setSettingsReporter), and the choices
// then last until the program ends.
class UserSettings {
public:
    explicit UserSettings(QString file);
    // The same choices, read without telling anyone about a file that is not
    // used: for what is read before the program can speak the user's language.
    static UserSettings readQuietly(QString file);

    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    // Several values written to the file at once: all of them or none.
    void setValues(const std::vector<std::pair<QString, QVariant>>& values);

    // Why the file is not used or was not written, a Russian sentence naming
    // the file; empty when all is well.
    QString problem() const { return problem_; }
    QString fileName() const { return file_; }

private:
    UserSettings(QString file, bool reportProblems);
    void report(const QString& problem);

    QString file_;
    QMap<QString, QString> values_;
    QString problem_;
    bool ignored_ = false;  // not read, so never written over
};

inline constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// The user's choices from userSettingsFile().
UserSettings userSettings();

// ~/.config/zemtar/zemtar.conf (the desktop's configuration folder), unless
// set otherwise; tests keep theirs in a folder of their own.
QString userSettingsFile();
void setUserSettingsFile(const QString& path);

// Where the one report per run about the settings file goes; without one it
// goes to the standard error.
void setSettingsReporter(std::function<void(const QString& message)> report);

}  // namespace platform
