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

KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags = 0) {
    KeyEvent event;
    event.keyCode = code;
    event.down = down;
    event.flags = flags;
    return event;
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

// The four events of a Command or Control shortcut as the actions post them.
std::vector<KeyEvent> shortcut(std::uint16_t modifierKey, std::uint64_t flag, std::uint16_t k) {
    return {key(modifierKey, true), key(k, true, flag), key(k, false, flag),
            key(modifierKey, false)};
}

// The events of sendKey: modifiers down (Control, Shift, Command, Option), key, modifiers up.
std::vector<KeyEvent> sendKey(std::uint16_t code, std::uint64_t flags) {
    std::vector<KeyEvent> events;
    const std::pair<std::uint16_t, std::uint64_t> order[] = {
        {key_code::control, modifier_flag::control},
        {key_code::shift, modifier_flag::shift},
        {key_code::command, modifier_flag::command},
        {key_code::option, modifier_flag::option}};
    for (const auto& [k, f] : order) {
        if (flags & f) {
            events.push_back(key(k, true));
        }
    }
    events.push_back(key(code, true, flags));
    events.push_back(key(code, false, flags));
    for (auto it = std::rbegin(order); it != std::rend(order); ++it) {
        if (flags & it->second) {
            events.push_back(key(it->first, false));
        }
    }
    return events;
}

TEST(KeyTranslator, ShortcutsBecomeTheirHostShortcuts) {
    using Strokes = std::vector<HostStroke>;
    const std::uint64_t cmd = modifier_flag::command;
    const std::uint64_t ctrl = modifier_flag::control;
    EXPECT_EQ(run(shortcut(key_code::command, cmd, key_code::c)),
              (Strokes{press(controlL), press('c'), release('c'), release(controlL)}));
    EXPECT_EQ(run(shortcut(key_code::command, cmd, key_code::tab)),
              (Strokes{press(altL), press(tab), release(tab), release(altL)}));
    EXPECT_EQ(run(shortcut(key_code::control, ctrl, key_code::rightArrow)),
              (Strokes{press(controlL), press(altL), press(right), release(right), release(altL),
                       release(controlL)}));
}

TEST(KeyTranslator, KeysAndChordsOfSendKey) {
    using Strokes = std::vector<HostStroke>;
    const std::uint64_t shiftCommand = modifier_flag::shift | modifier_flag::command;
    const std::tuple<std::uint16_t, std::uint64_t, Strokes> cases[] = {
        {key_code::missionControl, 0, {press(superL), release(superL)}},
        // Shift and Command are held back and the chord becomes the Print key alone.
        {key_code::digit3, shiftCommand, {press(print), release(print)}},
        {key_code::deleteKey, 0, {press(backSpace), release(backSpace)}},
        {key_code::returnKey, 0, {press(returnKey), release(returnKey)}},
        {125, 0, {press(down), release(down)}},
        {key_code::z,
         shiftCommand,
         {press(controlL), press(shiftL), press('z'), release('z'), release(shiftL),
          release(controlL)}},
    };
    for (const auto& [code, flags, strokes] : cases) {
        EXPECT_EQ(run(sendKey(code, flags)), strokes) << code;
    }
    EXPECT_EQ(translateChord(key_code::tab, modifier_flag::option), (HostChord{{altL}, tab}));
    EXPECT_EQ(translateChord(10, 0), std::nullopt);  // a key code with no equivalent here
}

TEST(KeyTranslator, ModifiersAreHeldBackUntilTheKeyAndNeverLeftDown) {
    KeyTranslator translator;
    EXPECT_EQ(translator.translate(key(key_code::command, true)), std::vector<HostStroke>{});
    EXPECT_EQ(translator.translate(key(key_code::shift, true)), std::vector<HostStroke>{});
    // Modifiers released again without a key: nothing was ever posted for them.
    EXPECT_EQ(translator.translate(key(key_code::shift, false)), std::vector<HostStroke>{});
    EXPECT_EQ(translator.translate(key(key_code::command, false)), std::vector<HostStroke>{});
    EXPECT_TRUE(translator.releaseAll().empty());

    // The key goes up while Command is still held: the chord ends completely right there.
    translator.translate(key(key_code::command, true));
    translator.translate(key(key_code::c, true, modifier_flag::command));
    EXPECT_EQ(translator.translate(key(key_code::c, false, modifier_flag::command)),
              (std::vector<HostStroke>{release('c'), release(controlL)}));
    EXPECT_TRUE(translator.releaseAll().empty());
}

TEST(KeyTranslator, AKeyLeftDownIsReleasedByReleaseAll) {
    KeyTranslator translator;
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
        KeyEvent down = key(0, true);
        down.text = text;
        KeyEvent up = down;
        up.down = false;
        return run({down, up});
    };
    const std::pair<std::u16string, Keysym> characters[] = {
        {u"a", 'a'},
        {u"A", 'A'},
        {u" ", space},
        {u"\u05e9", 0x10005e9},
        {u"\u20ac", 0x10020ac},
        {u"\u00e9", 0xe9},
        {u"\U0001F600", 0x101F600},  // a surrogate pair is one character
    };
    for (const auto& [text, sym] : characters) {
        EXPECT_EQ(typed(text), (std::vector<HostStroke>{press(sym), release(sym)})) << sym;
    }

    KeyTranslator translator;
    KeyEvent lone = key(0, true);
    lone.text = u"\xd800";  // half a surrogate pair
    EXPECT_EQ(translator.translate(lone), std::nullopt);
    lone.text = u"ab";
    EXPECT_EQ(translator.translate(lone), std::nullopt);
    lone.text = u"\x07";
    EXPECT_EQ(translator.translate(lone), std::nullopt);
}

TEST(Keysyms, CharactersMapToLatin1OrUnicodeKeysyms) {
    EXPECT_EQ(keysymForCharacter(U'z'), 0x7aU);
    EXPECT_EQ(keysymForCharacter(U'\u00ff'), 0xffU);
    EXPECT_EQ(keysymForCharacter(U'\u05d0'), 0x10005d0U);
    EXPECT_EQ(keysymForCharacter(U'\U0001F600'), 0x101F600U);
    EXPECT_EQ(keysymForCharacter(U'\n'), std::nullopt);
    EXPECT_EQ(keysymForCharacter(0x7f), std::nullopt);
    EXPECT_EQ(keysymForCharacter(0xfffe), std::nullopt);
}

}  // namespace
}  // namespace joyvane::x11
