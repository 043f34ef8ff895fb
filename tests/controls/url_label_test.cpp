#include "controls/url_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about_link.h"
#include "controls/link_target.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

constexpr gfx::Color kVisited = testing_support::kAboutVisited;

// A shell that writes what it was asked into a journal and answers as told.
class RecordingShell final : public Shell {
 public:
  explicit RecordingShell(std::vector<std::string>& journal) : m_journal(journal) {}
  bool Opens = true;
  bool OpenDefault(const std::string& target) override {
    m_journal.push_back("default " + target);
    return Opens;
  }
  bool OpenVerb(const std::string& target, ShellWait wait) override {
    m_journal.push_back((wait == ShellWait::WaitForDde ? "open " : "open-nowait ") + target);
    return Opens;
  }
  void OpenWith(const std::string& pattern) override { m_journal.push_back("with " + pattern); }

 private:
  std::vector<std::string>& m_journal;
};

// A link as the About window sets it up, clicked through the window.
struct UrlLabelTest : ::testing::Test {
  UrlLabelTest() {
    window.SetClientSize(300, 60);
    link = &window.Add<TUiURLLabel>(shell);
    link->MoveTo(10, 10);
    testing_support::SetUpAboutLink(*link);
    link->OnClick = [this] { journal.push_back("OnClick"); };
    ui.ShowAndSettle(window);
  }
  void ClickLink() {
    ui.Host.Click(window.Window(), {link->Left() + 2, link->Top() + 2});
    ui.App.ProcessMessages();
  }
  gfx::Color DrawnColor() const {
    const test::DrawLog::Op* text = ui.Log->FindText(link->Caption());
    return text != nullptr ? text->Color : gfx::clNone;
  }

  ui::testing::UiFixture ui;
  std::vector<std::string> journal;
  RecordingShell shell{journal};
  ui::Form window{ui.App};
  TUiURLLabel* link = nullptr;
};

TEST_F(UrlLabelTest, AClickOpensTheTargetAfterOnClick) {
  const struct {
    const char* Url;
    const char* Caption;
    bool Opens;
    std::vector<std::string> Journal;
    bool Visited;
  } cases[] = {
      {"", "www.example.com", true, {"OnClick", "open www.example.com"}, true},
      {"mailto:a@example.com",
       "a@example.com",
       true,
       {"OnClick", "open mailto:a@example.com"},
       true},
      {" \t", "http://example.com/", true, {"OnClick", "open http://example.com/"}, true},
      {" http://example.com/ ", "x", true, {"OnClick", "open  http://example.com/ "}, true},
      {"", " ", true, {"OnClick"}, false},
      {"", "http://example.com/", false, {"OnClick", "open http://example.com/"}, false},
      {"",
       "http://example.com/a.HtM",
       false,
       {"OnClick", "open http://example.com/a.HtM", "with *.htm"},
       false},
      {"",
       "http://example.com/a.html",
       false,
       {"OnClick", "open http://example.com/a.html"},
       false},
  };
  for (const auto& c : cases) {
    link->SetVisited(false);
    link->SetURL(c.Url);
    link->SetCaption(c.Caption);
    shell.Opens = c.Opens;
    journal.clear();
    ui.Log->Clear();
    ClickLink();
    EXPECT_EQ(journal, c.Journal) << c.Url << "|" << c.Caption;
    EXPECT_EQ(link->Visited(), c.Visited) << c.Url << "|" << c.Caption;
    if (!std::string(c.Caption).empty() && c.Caption[0] != ' ') {
      window.Invalidate();
      ui.App.ProcessMessages();
      EXPECT_EQ(DrawnColor(), c.Visited ? kVisited : gfx::clBlue) << c.Caption;
    }
  }
}

TEST_F(UrlLabelTest, OnceVisitedItStaysSoAndShowsTheHand) {
  link->SetCaption("www.example.com");
  ClickLink();
  shell.Opens = false;
  ClickLink();  // opened again; a failure now does not undo the visit
  EXPECT_EQ(journal, (std::vector<std::string>{"OnClick", "open www.example.com", "OnClick",
                                               "open www.example.com"}));
  EXPECT_TRUE(link->Visited());
  EXPECT_EQ(link->Font().TextColor, kVisited);
  ui.Host.MouseMove(window.Window(), {link->Left() + 2, link->Top() + 2});
  ui.App.ProcessMessages();
  EXPECT_EQ(ui.Host.State(window.Window()).Cursor, ui::CursorKind::Hand);
}

TEST(LinkTarget, HtmIsRecognisedInAnyCaseAndOnlyAtTheEnd) {
  const struct {
    const char* Target;
    bool Offers;
  } cases[] = {{"a.htm", true},      {"A.HTM", true},   {"x.y/page.Htm", true},
               {"page.html", false}, {"htm", false},    {"a.htm.txt", false},
               {".htm", true},       {"a.htm ", false}, {"", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(OffersOpenWithForHtm(c.Target), c.Offers) << c.Target;
  }
}

}  // namespace
}  // namespace orvanta::controls
