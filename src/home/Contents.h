#pragma once

#include "content/LevelData.h"
#include "content/ProductConfig.h"
#include "ui/SharedState.h"
#include "ui/SkinnedWindow.h"

#include <QPointer>
#include <array>
#include <memory>

class AboutPage;
class PictureButton;
class PracticeWindow;
class QLabel;
class QPrinter;
class ReportPage;
class TopicLabel;
class TrashPage;

// The home window: its load is the program's start-up; it shows the home,
// report, erase and about pages under the level tabs and the Help tab, and
// opens the practice windows. It holds the shared state the other windows use.
class Contents : public SkinnedWindow, public SharedState
{
    Q_OBJECT

public:
    explicit Contents(const QString &programFolder, QWidget *parent = nullptr);
    ~Contents() override;

    // False when start-up could not give a home page (no configuration, no
    // level, results the user chose not to re-create); loadError() says why.
    bool loaded() const { return m_loaded; }
    QString loadError() const { return m_loadError; }
    // What start-up repaired, in one sentence for the pupil; empty when nothing.
    QString startupNotice() const { return m_startupNotice; }

    void RefreshContents() override;

    void LoadLevel(int level, const QString &code);
    void Topic_Click(int k);
    void TopicChoosing(int topicNum);
    void Topicbuttoncolour(int topicSelected);
    void ArrangePaperRows();
    void OpenPaper(int offset, int take);
    void Tab_Click(int n);
    void ToolBar_Click(int n);
    void ShowPage();
    void RaiseTab(int n);
    void CloseProgram();
    void PrintSetup();
    void PrintCard();
    void EraseResults();

    // The home window's own state.
    bool RefreshLog = false;    // true while RefreshContents runs
    int txtTabPos = 1;          // chosen tab 1 .. 4
    int txtToolBarPos = 1;      // last toolbar button 1 .. 4
    bool txtPressTrack = false; // a toolbar button is held down
    bool ContentsFocus = false; // the home window is active

    const ProductConfig &config() const { return m_config; }
    const LevelData &levelData() const { return m_level; }
    PracticeWindow *practiceWindow() const;
    AboutPage *aboutPage() const { return m_about; }
    // The page in front: Body_Home, Body_Report, Body_Trash or Body_About.
    QWidget *frontPage() const { return m_front; }

protected:
    void closeRequested() override;
    void activeChanged(bool active) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static QString writeGraphics(const QString &folder);
    void Form_Load();
    bool readConfiguration();
    bool checkResultsFiles();
    void buildTabRow();
    void buildToolbar();
    void buildHomePage();
    void layoutTabRow();
    void updateToolbarRoles();
    void placePage(QWidget *page);
    void unloadPractice();
    void setTabOrderChain();

    ProductConfig m_config;
    LevelData m_level;
    bool m_loaded = false;
    QString m_loadError;
    QString m_startupNotice;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<PracticeWindow> m_practice;

    QLabel *m_strip = nullptr;
    std::array<PictureButton *, 4> m_tabs{};
    std::array<PictureButton *, 4> m_tools{};
    QWidget *m_home = nullptr;
    ReportPage *m_report = nullptr;
    TrashPage *m_trash = nullptr;
    AboutPage *m_about = nullptr;
    QWidget *m_front = nullptr;

    std::array<TopicLabel *, 10> m_topics{};
    std::array<QLabel *, 10> m_bullets{};
    QLabel *m_subH1 = nullptr;
    QWidget *m_percent = nullptr;
    std::array<PictureButton *, 5> m_paperA{};
    std::array<PictureButton *, 5> m_paperB{};
    std::array<QLabel *, 5> m_msa{};
    std::array<QLabel *, 5> m_msb{};
};
