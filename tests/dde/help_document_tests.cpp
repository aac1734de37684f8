// The Help menu's entries open the operator's guide where the build lays it out beside the
// program, as the package installs it; a missing guide is said in a box.

#include "app/help_document.h"

#include "controller_fixture.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

class CUrl_catcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.push_back(url); }
};

class HelpTest : public controller_test::CController_fixture {
protected:
    HelpTest() { QDesktopServices::setUrlHandler("file", &catcher, "open"); }
    ~HelpTest() override { QDesktopServices::unsetUrlHandler("file"); }

    void open_both()
    {
        for (const char *entry : {"Contents1", "UsingHelp1"}) {
            EXPECT_TRUE(form->entry_allowed(entry)) << entry;
            form->menu_entry(entry)->trigger();
        }
    }

    CUrl_catcher catcher;
};

TEST_F(HelpTest, BothEntriesOpenTheGuideBesideTheProgram)
{
    BuildHelpEntries(*form, TARVO_PROGRAM_FOLDER);
    open_both();
    ASSERT_EQ(catcher.urls.size(), 2u);
    const QString path = catcher.urls[0].toLocalFile();
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    EXPECT_TRUE(path.endsWith("/share/tarvo/help/tarvo.html"));
    EXPECT_EQ(catcher.urls[0].fragment(), "");
    EXPECT_EQ(catcher.urls[1].toLocalFile(), path);
    EXPECT_EQ(catcher.urls[1].fragment(), "using-help");

    QFile guide(path);
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QByteArray text = guide.readAll();
    EXPECT_TRUE(text.contains("id=\"using-help\""));
    EXPECT_TRUE(text.contains("id=\"dde\""));
    EXPECT_TRUE(feedback.boxes.empty());
}

TEST_F(HelpTest, AMissingGuideIsSaidAndNothingOpens)
{
    BuildHelpEntries(*form, folder.path() + "/bin");
    open_both();
    EXPECT_TRUE(catcher.urls.empty());
    ASSERT_EQ(feedback.boxes.size(), 2u);
    EXPECT_EQ(feedback.boxes[0].text,
              "The operator's guide is missing: " + folder.path() + "/share/tarvo/help/tarvo.html");
}

} // namespace

#include "help_document_tests.moc"
