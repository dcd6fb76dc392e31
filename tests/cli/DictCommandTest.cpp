#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "DictionaryCommands.h"
#include "SimAccounts.h"
#include "SimulatedService.h"
#include "TranslationCommands.h"
#include "dictionaries/AttributeCodes.h"
#include "dictionaries/VocabularyReader.h"
#include "platform/QtSettingsStore.h"
#include "support/TempHome.h"

namespace vorla {
namespace {

using test::HasLine;
using test::ProgramRun;

// The simulated service with its translation and dictionaries, the demo user logged in. The
// user's dictionaries are only those a test makes (from 10000 up).
struct DictionaryService : test::SimulatedService {
  DictionaryService() {
    sim::SimAccount demo = *sim.context().accounts.Find("demo");
    demo.lexicons = sim::LexiconLists({}, {});
    sim.context().accounts.Add(demo);
    sim::RegisterTranslationCommands(sim);
    sim::RegisterDictionaryCommands(sim);
    const ProgramRun login = Run({"login", "--user", "demo", "--password-stdin"}, "demo\n");
    EXPECT_EQ(login.exitCode, 0) << login.err;
  }

  // Runs a verb and expects it to succeed.
  std::string Succeeds(const QStringList& arguments) const {
    const ProgramRun run = Run(arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": " << run.err;
    return run.out;
  }

  // The stored dictionary of the demo user, read back with the client's reader.
  std::unique_ptr<Vocabulary> Stored(int vocid) {
    auto vocabulary = std::make_unique<Vocabulary>();
    const auto stored = sim.context().dictionaries.Find("demo", vocid);
    EXPECT_TRUE(stored);
    if (stored) {
      EXPECT_TRUE(ReadVocabulary(*vocabulary, stored->stream, 100'000));
    }
    return vocabulary;
  }

  static std::string Setting(const char* name) {
    Environment environment;
    environment.home = test::CurrentHome();
    return QtSettingsStore(environment).ReadValue(name).value_or("<none>");
  }
};

TEST(DictCommand, AUsersTermTranslatesOnceItsDictionaryIsSelected) {
  DictionaryService service;
  EXPECT_EQ(service.Succeeds({"dict", "create", "demo", "--kind", "terms"}),
            "Dictionary 'demo' created.\n");
  const ProgramRun add = service.Run({"dict", "add", "demo", "cat", "kisu"});
  EXPECT_EQ(add.out, "Added to 'demo'.\n");
  for (const char* progress : {"Loading dictionary 'demo' from the server...",
                               "Saving dictionary 'demo' to the server... 100%"}) {
    EXPECT_TRUE(HasLine(add.err, progress)) << add.err;
  }
  EXPECT_EQ(service.Succeeds({"dict", "select", "demo"}), "Active dictionaries: demo\n");
  const std::string translated =
      service.Succeeds({"translate", "--from", "en", "--to", "fi", "the cat"});
  EXPECT_NE(translated.find("kisu"), std::string::npos) << translated;
  const auto requests = service.sim.Requests();
  const auto tr = std::ranges::find_if(
      requests, [](const sim::SimRequest& request) { return *request.Field("cmd") == "tr"; });
  ASSERT_NE(tr, requests.end());
  EXPECT_EQ(*tr->Field("actfields"), "10000;");

  EXPECT_TRUE(HasLine(service.Succeeds({"dict", "list"}), "* 10000\tdemo\tTerms"));
  EXPECT_EQ(service.Succeeds({"dict", "show", "demo"}),
            "Name: demo\nType: Terms\nDescription: \nEntries: 1\ncat -> kisu (Noun)\n");
  EXPECT_EQ(service.Setting("EnFiVocSelInf"), "demo");
  EXPECT_EQ(service.Setting("EnFiSaveVocSel"), "true");
}

TEST(DictCommand, EntriesGetTheWordDialogsAttributes) {
  DictionaryService service;
  service.Succeeds({"dict", "create", "Verbs", "--kind", "terms", "--description", "Mine"});
  service.Succeeds({"dict", "add", "Verbs", "run", "juosta", "--class", "verb"});
  service.Succeeds({"dict", "add", "Verbs", "red car", "punainen auto"});
  const auto stored = service.Stored(10000);
  ASSERT_EQ(stored->count(), 2);
  EXPECT_EQ(stored->header.description, "Mine");
  const int run = stored->IndexOfSource("run", word_class::kVerb);
  ASSERT_GE(run, 0);
  EXPECT_EQ(stored->At(run).srcattr.Get(attr::kSubCat), 1);
  EXPECT_EQ(stored->At(run).tgtattr.Get(attr::kTgtTr), 1);
  const int car = stored->IndexOfSource("red car", word_class::kNoun);
  ASSERT_GE(car, 0);
  EXPECT_EQ(stored->At(car).tgtattr.Get(attr::kTgtTr), 1);

  service.Succeeds({"dict", "remove-entry", "Verbs", "run"});
  EXPECT_EQ(service.Stored(10000)->count(), 1);
}

TEST(DictCommand, RefusesWhatTheDictionaryCannotTake) {
  DictionaryService service;
  service.Succeeds({"dict", "create", "demo", "--kind", "terms"});
  service.Succeeds({"dict", "create", "rules", "--kind", "context-rules"});
  service.Succeeds({"dict", "create", "--direction", "fi-en", "omat", "--kind", "terms"});
  struct Case {
    QStringList arguments;
    int exitCode;
    const char* error;
  };
  const Case cases[] = {
      {{"dict", "create", "demo", "--kind", "phrases"},
       6,
       "Creating dictionary 'demo' failed! The name of the dictionary is already in use."},
      {{"dict", "create", "semi;colon", "--kind", "phrases"},
       3,
       "Creating dictionary 'semi;colon' failed! The dictionary has an invalid name."},
      {{"dict", "add", "nowhere", "cat", "kisu"}, 1, "No user dictionary is named 'nowhere'."},
      {{"dict", "add", "rules", "cat", "kisu"}, 1, nullptr},
      {{"dict", "add", "--direction", "fi-en", "omat", "juosta", "run", "--class", "verb"},
       1,
       "Finnish-to-English terms are nouns only."},
      {{"dict", "add", "demo", "猫", "kisu"}, 1, nullptr},
      {{"dict", "remove-entry", "demo", "dog"}, 1, "The dictionary has no entry 'dog'."},
      {{"dict", "select", "demo", "nowhere"}, 1, "Unknown dictionary: nowhere"},
      {{"dict", "delete", "Economy & Trade"}, 1, "No user dictionary is named 'Economy & Trade'."},
  };
  for (const Case& c : cases) {
    const ProgramRun run = service.Run(c.arguments);
    const std::string what = c.arguments.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exitCode) << what << ": " << run.err;
    EXPECT_FALSE(run.err.empty()) << what;
    if (c.error) {
      EXPECT_TRUE(HasLine(run.err, c.error)) << what << ": " << run.err;
    }
  }
  EXPECT_EQ(service.Stored(10000)->count(), 0) << "nothing was added";
  EXPECT_EQ(service.Setting("EnFiVocSelInf"), "demo") << "the known name is selected";
}

TEST(DictCommand, SelectionWithoutRememberingAndDeletionOfASelectedDictionary) {
  DictionaryService service;
  service.Succeeds({"dict", "create", "first", "--kind", "terms"});
  service.Succeeds({"dict", "create", "second", "--kind", "phrases"});
  EXPECT_EQ(service.Succeeds({"--ui", "fi", "dict", "select", "second", "--no-remember"}),
            "Aktiiviset sanastot: second\n");
  EXPECT_EQ(service.Setting("EnFiVocSelInf"), "");
  EXPECT_EQ(service.Setting("EnFiSaveVocSel"), "false");

  service.Succeeds({"dict", "select", "first", "second", "Economy & Trade"});
  EXPECT_EQ(service.Succeeds({"dict", "delete", "first"}), "Dictionary 'first' removed.\n");
  EXPECT_EQ(service.Setting("EnFiVocSelInf"), "second;Economy & Trade");
  EXPECT_FALSE(service.sim.context().dictionaries.Find("demo", 10000));
  const std::string list = service.Succeeds({"dict", "list"});
  EXPECT_EQ(list.find("first"), std::string::npos) << list;
  EXPECT_TRUE(HasLine(list, "Active dictionaries: second;Economy & Trade")) << list;
}

}  // namespace
}  // namespace vorla

namespace vorla {
namespace {

TEST(DictCommand, ExportsAndImportsDictionaryFiles) {
  DictionaryService service;
  test::TempDir dir;
  service.Succeeds({"dict", "create", "demo", "--kind", "terms"});
  service.Succeeds({"dict", "add", "demo", "cat", "kisu"});
  for (const char* name : {"demo.xml", "demo.TMX", "demo.csv", "demo.xlsx"}) {
    const QString path = QString::fromStdString((dir.path() / name).string());
    EXPECT_EQ(service.Succeeds({"dict", "export", "demo", "-o", path}),
              "Dictionary exported to file '" + path.toStdString() + "' successfully.\n");
  }
  EXPECT_EQ(std::system(("xmllint --noout '" + (dir.path() / "demo.xml").string() + "' '" +
                         (dir.path() / "demo.TMX").string() + "'")
                            .c_str()),
            0);
  const QString xml = QString::fromStdString((dir.path() / "demo.xml").string());
  const ProgramRun refused = service.Run({"dict", "import", xml});
  EXPECT_NE(refused.exitCode, 0);
  EXPECT_TRUE(HasLine(refused.err, "Dictionary with name 'demo' already exists.")) << refused.err;
  EXPECT_EQ(service.Succeeds({"dict", "import", xml, "--on-conflict", "new"}),
            "File imported into a new dictionary 'demo1'\n");
  EXPECT_EQ(service.Succeeds({"dict", "import", xml, "--on-conflict", "merge"}),
            "The import file merged into the dictionary 'demo'\n");
  EXPECT_EQ(service.Succeeds({"dict", "import",
                              QString::fromStdString((dir.path() / "demo.csv").string()),
                              "--on-conflict", "replace"}),
            "Dictionary 'demo' imported successfully\n");
  EXPECT_EQ(service.Stored(10001)->At(0).target, "kisu");
  EXPECT_TRUE(HasLine(service.Succeeds({"dict", "list"}), "  10001\tdemo1\tTerms"));
  const ProgramRun unknown = service.Run({"dict", "import", "notes.doc"});
  EXPECT_NE(unknown.exitCode, 0);
  EXPECT_TRUE(HasLine(unknown.err, "Importing dictionary failed - invalid file format!"))
      << unknown.err;
}

}  // namespace
}  // namespace vorla
