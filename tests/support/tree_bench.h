#pragma once
// The window's local side without the window and its page, for tests that
// also run under the sanitizers: the device tree, the project area, the
// opening of a switch and watch, wired as the window wires them, on a plain
// widget with the program's English texts.

#include "ui/window_state.h"

#include <QTranslator>

#include <memory>

class ORB_CONN2DEVICE;
class ORB_LocalDeviceTree;
class ORB_LocalProjects;
class ORB_SearchWatch;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

class TreeBench
{
public:
    // In the current folder, which gets the program's config and log folders.
    TreeBench();
    ~TreeBench();

    std::unique_ptr<QWidget> window;
    QTreeWidget* tree = nullptr;
    QComboBox* interfaces = nullptr; // holds "lo"
    QLineEdit* state = nullptr;
    QPushButton* watch_button = nullptr;
    ORB_CONN2DEVICE* link = nullptr;
    ORB_LocalProjects* projects = nullptr;
    ORB_LocalDeviceTree* device_tree = nullptr;
    ORB_SearchWatch* watch = nullptr;
    ORB_WindowState shared;

private:
    QTranslator translator;
};
