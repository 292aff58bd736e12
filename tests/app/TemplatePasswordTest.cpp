#include "app/logic/TemplatePassword.h"

#include "core/Windows1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace laytime {
namespace {

// Known answers of the scrambler; they change only if its seed, multiplier or addend change,
// which would lock every protected template.
TEST(TemplatePasswordTest, KnownScrambledForms) {
  struct TRow {
    const char* Typed;
    std::string Stored; // UTF-8
  };
  const TRow rows[] = {
      {"SECRET", "\x1F\xC3\x80\xC2\xBAvn\xC2\xB7"},     // bytes 1F C0 BA 76 6E B7
      {"\xC3\x84RGER", "\xCB\x86\x38\x0E\xC3\x8F\x31"}, // ÄRGER: bytes 88 38 0E CF 31
      {"A", "\x0D"},
      {"L", std::string(1, '\0')}, // the scrambled byte 0
      {"\xC3\x8D", "\xC2\x81"},    // Í gives the byte 0x81, which the code page leaves undefined
      {"", ""},
      {"   ", ""},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Typed);
    EXPECT_EQ(ScrambleTemplatePassword(row.Typed), row.Stored);
  }
}

TEST(TemplatePasswordTest, CaseAndSurroundingBlanksDoNotMatter) {
  const std::string stored = ScrambleTemplatePassword("SECRET");
  struct TRow {
    const char* Typed;
    bool Matches;
  };
  const TRow rows[] = {
      {"SECRET", true},   {"secret   ", true}, {"  Secret\t", true}, {"SEC RET", false},
      {"SECRET1", false}, {"SECRE", false},    {"", false},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Typed);
    EXPECT_EQ(TemplatePasswordMatches(row.Typed, stored), row.Matches);
  }
  EXPECT_TRUE(TemplatePasswordMatches("\xC3\xA4rger", ScrambleTemplatePassword("\xC3\x84RGER")));
  EXPECT_TRUE(TemplatePasswordMatches("  ", ""));
  // š œ ž ÿ have capitals in the code page: "šœžÿ" matches a password stored as "ŠŒŽŸ".
  EXPECT_TRUE(
      TemplatePasswordMatches("\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF",
                              ScrambleTemplatePassword("\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8")));
}

// The scrambled bytes take every value 0..255; the stored text must give them all back.
TEST(TemplatePasswordTest, EveryScrambledByteSurvivesTheCodePageRoundTrip) {
  for (int value = 0; value < 256; ++value) {
    const std::string byte(1, static_cast<char>(value));
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(byte)), byte) << "byte " << value;
  }
  // Í scrambles to the undefined byte 0x81, which must not come back as '?'.
  EXPECT_EQ(Utf8ToWindows1252(ScrambleTemplatePassword("\xC3\x8D")), "\x81");
}

// ---- Asking for the password of a protected template ----

// The ask dialog as a script: each entry is what the user typed before pressing OK, or nothing
// for Cancel. The dialog's result is the scrambled form of the typed text.
struct TScriptedDialog {
  std::vector<std::optional<std::string>> Answers;
  std::vector<std::string> Hints;
  std::vector<std::string> Messages;
  std::size_t Next = 0;

  TAskTemplatePassword Ask() {
    return [this](std::string_view hint) -> std::optional<std::string> {
      Hints.emplace_back(hint);
      const std::optional<std::string>& answer = Answers.at(Next++);
      if (!answer)
        return std::nullopt;
      return ScrambleTemplatePassword(*answer);
    };
  }
  TShowPasswordMessage Show() {
    return [this](std::string_view message) { Messages.emplace_back(message); };
  }
};

TEST(TemplatePasswordTest, HintAndMessageTexts) {
  EXPECT_EQ(UpdateTemplatePasswordHint,
            "This template is password protected. You will need to enter a valid password to "
            "update this template: ");
  EXPECT_EQ(BaseTemplatePasswordHint,
            "The base template used to create this calculation is password protected. Please "
            "enter the password of the base template:");
  EXPECT_EQ(InvalidTemplatePasswordMessage, "Invalid password. Please try again");
  EXPECT_EQ(PasswordsDoNotMatchMessage, "Passwords do not match. Please try again.");
}

TEST(TemplatePasswordTest, AnUnprotectedTemplateIsChangedWithoutAsking) {
  TScriptedDialog dialog;
  EXPECT_TRUE(TemplateChangePermitted("", UpdateTemplatePasswordHint, dialog.Ask(), dialog.Show()));
  EXPECT_TRUE(dialog.Hints.empty());
  EXPECT_TRUE(dialog.Messages.empty());
}

TEST(TemplatePasswordTest, WrongPasswordsAreAskedAgainUntilTheRightOneOrCancel) {
  const std::string stored = ScrambleTemplatePassword("SECRET");
  struct TRow {
    const char* Name;
    std::vector<std::optional<std::string>> Answers;
    bool Permitted;
    std::size_t WrongMessages;
  };
  const TRow rows[] = {
      {"RightAtOnce", {" secret "}, true, 0},
      {"RightAtTheThirdTry", {"guess", "", "Secret"}, true, 2},
      {"CancelAtOnce", {std::nullopt}, false, 0},
      {"CancelAfterAWrongOne", {"guess", std::nullopt}, false, 1},
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    TScriptedDialog dialog;
    dialog.Answers = row.Answers;
    EXPECT_EQ(
        TemplateChangePermitted(stored, BaseTemplatePasswordHint, dialog.Ask(), dialog.Show()),
        row.Permitted);
    EXPECT_EQ(dialog.Next, row.Answers.size());
    EXPECT_EQ(dialog.Hints,
              std::vector<std::string>(row.Answers.size(), std::string(BaseTemplatePasswordHint)));
    EXPECT_EQ(dialog.Messages, std::vector<std::string>(
                                   row.WrongMessages, std::string(InvalidTemplatePasswordMessage)));
  }
}

// ---- Giving a template a new password ----

TEST(TemplatePasswordTest, NewPasswordMustBeTypedTwiceAlike) {
  struct TRow {
    const char* Name;
    const char* First;
    const char* Second;
    std::optional<std::string> Result;
  };
  const TRow rows[] = {
      {"Alike", "Secret", "Secret", ScrambleTemplatePassword("SECRET")},
      {"CaseAndBlanksDoNotMatter", " secret", "SECRET  ", ScrambleTemplatePassword("SECRET")},
      {"BothEmptyRemovesProtection", "", "  ", std::string()},
      {"Different", "secret", "secrets", std::nullopt},
      {"SecondMissing", "secret", "", std::nullopt},
      {"SameBytesButDifferentLetters", "\xCE\xB1", "\xCE\xB2", std::nullopt}, // alpha, beta
  };
  for (const TRow& row : rows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(ConfirmNewTemplatePassword(row.First, row.Second), row.Result);
  }
}

} // namespace
} // namespace laytime
