#pragma once

#include "app/application.h"
#include "support/fakedialogs.h"
#include "ui/mainwindow.h"

#include <QString>

// The program started on a folder below root (with the folders makeProgramAndPictures lays
// out), its window shown and the start tick given, as a person sees it after opening a folder.
struct OpenWindow
{
    explicit OpenWindow(const QString &root)
        : application({root + QStringLiteral("/work/"), root + QStringLiteral("/program/")},
                      {drives, {1920, 1080, Platform::TaskbarEdge::Bottom}, -1}, dialogs),
          window(application)
    {
    }

    [[nodiscard]] bool open(const QString &folder)
    {
        if (!application.start(folder))
            return false;
        window.showForSession();
        application.startTick();
        return true;
    }

    FakeDialogs dialogs;
    FakeDrives drives;
    App::Application application;
    Ui::MainWindow window;
};
