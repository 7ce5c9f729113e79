#include "platform/linux/x11/key_translator.h"

#include <gtest/gtest.h>

namespace joyvane::x11 {
namespace {

using namespace keysym;

HostStroke press(Keysym k) {
    return {k, true};
}
HostStroke release(Keysym k) {
    return {k, false};
}

KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags = 0, std::u16string text = {}) {
    return {EventSourceState::combinedSession, code, down, flags, std::move(text)};
}

// Runs a whole engine key sequence through one translator; returns every stroke posted.
std::vector<HostStroke> run(const std::vector<KeyEvent>& events) {
    KeyTranslator translator;
    std::vector<HostStroke> posted;
    for (const KeyEvent& e : events) {
        auto strokes = translator.translate(e);
        EXPECT_TRUE(strokes.has_value()) << e.keyCode;
        if (strokes) {
            posted.insert(posted.end(), strokes->begin(), strokes->end());
        }
    }
    EXPECT_TRUE(translator.releaseAll().empty()) << "something was left down";
    return posted;
}

// Each action's shortcut is translated by this translator on Wayland too, where the action
// table of the evdev tests shows it; here, what the actions do not use.
TEST(KeyTranslator, OtherKeysAndChordsMapModifierByModifier) {
    const std::uint64_t flags = modifier_flag::shift | modifier_flag::command;
    EXPECT_EQ(run({key(key_code::command, true), key(key_code::shift, true),
                   key(key_code::z, true, flags), key(key_code::z, false, flags),
                   key(key_code::shift, false), key(key_code::command, false)}),
              (std::vector<HostStroke>{press(controlL), press(shiftL), press('z'), release('z'),
                                       release(shiftL), release(controlL)}));
    EXPECT_EQ(run({key(125, true), key(125, false)}),
              (std::vector<HostStroke>{press(down), release(down)}));
    EXPECT_EQ(translateChord(11, 0), (HostChord{{}, 'b'}));  // the B key
    EXPECT_EQ(translateChord(key_code::tab, modifier_flag::option), (HostChord{{altL}, tab}));
    EXPECT_EQ(translateChord(10, 0), std::nullopt);  // a key code with no equivalent here
}

TEST(KeyTranslator, ModifiersAreHeldBackUntilTheKeyAndNeverLeftDownAfterReleaseAll) {
    KeyTranslator translator;
    EXPECT_EQ(translator.translate(key(key_code::command, true)), std::vector<HostStroke>{});
    EXPECT_EQ(translator.translate(key(key_code::shift, true)), std::vector<HostStroke>{});
    // Modifiers released again without a key: nothing was ever posted for them.
    EXPECT_EQ(translator.translate(key(key_code::shift, false)), std::vector<HostStroke>{});
    EXPECT_EQ(translator.translate(key(key_code::command, false)), std::vector<HostStroke>{});
    // Released modifiers no longer apply to the next key.
    EXPECT_EQ(translator.translate(key(key_code::c, true)), std::vector<HostStroke>{press('c')});
    EXPECT_EQ(translator.releaseAll(), std::vector<HostStroke>{release('c')});

    // The key goes up while Command is still held: the chord ends completely right there.
    translator.translate(key(key_code::command, true));
    translator.translate(key(key_code::c, true, modifier_flag::command));
    EXPECT_EQ(translator.translate(key(key_code::c, false, modifier_flag::command)),
              (std::vector<HostStroke>{release('c'), release(controlL)}));
    EXPECT_TRUE(translator.releaseAll().empty());

    // A key left down is released by releaseAll, its modifiers after it.
    translator.translate(key(key_code::command, true));
    translator.translate(key(key_code::v, true, modifier_flag::command));
    EXPECT_EQ(translator.releaseAll(), (std::vector<HostStroke>{release('v'), release(controlL)}));
    // A release of a key never pressed posts nothing.
    EXPECT_EQ(translator.translate(key(key_code::v, false)), std::vector<HostStroke>{});
    // A modifier held when everything was let go is forgotten too.
    translator.translate(key(key_code::command, true));
    translator.releaseAll();
    EXPECT_EQ(translator.translate(key(key_code::c, true)), std::vector<HostStroke>{press('c')});
}

TEST(KeyTranslator, UnicodeTextTypesItsCharacter) {
    auto typed = [](std::u16string text) {
        return run({key(0, true, 0, text), key(0, false, 0, text)});
    };
    const std::pair<std::u16string, Keysym> characters[] = {
        {u"a", 'a'},
        {u" ", space},
        {u"\u05e9", 0x10005e9},
        {u"\u20ac", 0x10020ac},
        {u"\u00ff", 0xff},
        {u"\U0001F600", 0x101F600},  // a surrogate pair is one character
    };
    for (const auto& [text, sym] : characters) {
        EXPECT_EQ(typed(text), (std::vector<HostStroke>{press(sym), release(sym)})) << sym;
    }

    // Half a surrogate pair, two characters, and control or non-characters type nothing.
    KeyTranslator translator;
    for (std::u16string text : {u"\xd800", u"ab", u"\x07", u"\n", u"\x7f", u"\xfffe"}) {
        EXPECT_EQ(translator.translate(key(0, true, 0, text)), std::nullopt);
    }
}

}  // namespace
}  // namespace joyvane::x11
