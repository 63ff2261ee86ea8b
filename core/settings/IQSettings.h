#pragma once

#include <QString>

#include <memory>

class QSettings;

// The user's preferences in "IQSettings.ini" in the application-data folder. Every setter
// writes the file at once, so nothing needs saving at exit.
class IQSettings
{
public:
    static IQSettings *instance();

    QString lastOpenDir() const;
    QString lastSaveDir() const;
    int showGuide() const;
    int quality() const;
    int webpQuality() const;
    int overwrite() const;
    int combineAsGif() const;
    QString lastBatchDir() const;

    void setLastOpenDir(const QString &dir);
    void setLastSaveDir(const QString &dir);
    void setShowGuide(int value);
    void setQuality(int value);
    void setWebpQuality(int value);
    void setOverwrite(int value);
    void setCombineAsGif(int value);
    void setLastBatchDir(const QString &dir);

    // The path of the preference file.
    QString fileName() const;

    ~IQSettings();

private:
    IQSettings();
    IQSettings(const IQSettings &) = delete;
    IQSettings &operator=(const IQSettings &) = delete;

    int intValue(const QString &key, const QString &defaultText) const;
    void setIntValue(const QString &key, int value);
    void setTextValue(const QString &key, const QString &value);
    QString folderValue(const QString &key) const;

    std::unique_ptr<QSettings> m_settings;
};
