// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#include "AppController.h"
#include "Application.h"
#include "CoreTexts.h"
#include "DesktopPrompts.h"
#include "FileAccess.h"
#include "Language.h"
#include "MainWindow.h"
#include "QtText.h"
#include "Settings.h"
#include "StartMark.h"
#include "Version.h"

#include <QApplication>
#include <QSettings>

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

// An error that no handler catches goes to the general error box and the program goes on.
class KoVaqApplication : public QApplication {
  public:
    KoVaqApplication(int& argc, char** argv, kovaq::Prompts& prompts)
        : QApplication(argc, argv), m_prompts(prompts) {}

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            m_prompts.errorBox(activeWindow(), kovaq::ToQString(e.what()));
        } catch (...) {
            m_prompts.errorBox(
                activeWindow(),
                QCoreApplication::translate("kovaq::Application", "An unexpected error occurred."));
        }
        return false;
    }

  private:
    kovaq::Prompts& m_prompts;
};

} // namespace

int main(int argc, char** argv) {
    // Asked for the version or the usage, it answers without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("ko-vaq %s\n%s", std::string(kovaq::Version).c_str(),
                        std::string(kovaq::LicenceNotice).c_str());
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: ko-vaq [FILE.mix]\n"
                        "\n"
                        "Ko-Vaq, the free DIY e-juice mixing calculator. Opens FILE.mix when\n"
                        "one is given, else the recipe of the last session.\n"
                        "\n"
                        "  --version  show the version\n"
                        "  --help     show this text\n");
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }
    kovaq::DesktopPrompts prompts;
    KoVaqApplication app(argc, argv, prompts);
    kovaq::ConfigureApplication(app);
    kovaq::InstallCoreTexts();
    kovaq::StartMark::Install();

    // Where Qt keeps the native settings of "Tresquall/Ko-Vaq"; a damaged, huge file is
    // trimmed first, so that it cannot hold up the start.
    const QString settingsFile = kovaq::SettingsFilePath();
    kovaq::DropDamagedSettings(settingsFile);
    QSettings store(settingsFile, QSettings::IniFormat);
    // The language is chosen once, before any window is made: the user's, else the desktop's.
    kovaq::InstallTranslations(
        kovaq::PickLanguage(store.value(QLatin1String("Language")).toString()));
    kovaq::AppController controller(prompts, store);
    // The name's own bytes: Qt's decoding of the arguments would change some names.
    if (argc > 1)
        controller.setStartupFile(kovaq::PathFromNative(argv[1]));
    QObject::connect(&controller, &kovaq::AppController::quitRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    controller.window().show();
    return QApplication::exec();
}
