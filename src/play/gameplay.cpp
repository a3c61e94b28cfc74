// SPDX-License-Identifier: MIT
// The game window's behaviour over any front-end's widgets.
#include "gameplay.h"

#include "captionfit.h"
#include "common.h"
#include "cp1252.h"
#include "form1.h"
#include "narration.h"
#include "round.h"
#include "speech.h"

#include <algorithm>
#include <string>

namespace quimbelo::play {

namespace form1 = design::form1;
namespace speech = design::speech;

namespace {

const Control &control(std::string_view name, int index = -1)
{
    return design::get(form1::kWindow, name, index);
}

constexpr std::array<std::string_view, 6> kCaptionNames { "Pelicula1", "Label4", "Label5", "Label6",
    "Label7", "Label11" };
constexpr std::array<std::string_view, 2> kColourNames { "Label12", "Label15" };
constexpr std::array<std::string_view, 3> kImageNames { "Image4", "Image5", "Image6" };

const Control &of(Caption label)
{
    return control(kCaptionNames.at(static_cast<std::size_t>(label)));
}

const Control &of(ColourLabel label)
{
    return control(kColourNames.at(static_cast<std::size_t>(label)));
}

const Control &of(ImageControl image)
{
    return control(kImageNames.at(static_cast<std::size_t>(image)));
}

// The theme options, in the order of the game's themes.
constexpr std::array<std::string_view, kThemeCount> kOptionNames { "Option1", "Option2", "Option3",
    "Option4" };

// The option the design selects, from 1; 0 for none.
constexpr int optionSelectedByDesign()
{
    for (int i = 0; i < kThemeCount; ++i) {
        for (const Control &control : form1::kControls) {
            if (control.name == kOptionNames[static_cast<std::size_t>(i)]
                && control.has(design::kSelected)) {
                return i + 1;
            }
        }
    }
    return 0;
}

// The window opens on the game's default theme.
static_assert(optionSelectedByDesign() == kDefaultOption);

Rgb designColour(const design::Colour &colour)
{
    return colour.source == design::Colour::Source::System ? design::standardValue(colour.role)
                                                           : colour.rgb;
}

std::string fromDesign(std::string_view utf8)
{
    return cp1252::fromUtf8(utf8);
}

} // namespace

// Every event of the window, by design name, and what it does.
struct GamePlay::Route
{
    std::string_view name;
    void (GamePlay::*handler)();
};

const std::array<GamePlay::Route, 12> GamePlay::kRoutes { {
    { "Command1", &GamePlay::call<&Game::Command1_Click> },
    { "Image2", &GamePlay::call<&Game::Image2_Click> },
    { "Image4", &GamePlay::call<&Game::Image4_Click> },
    { "Option1", &GamePlay::call<&Game::Option1_Click> },
    { "Option2", &GamePlay::call<&Game::Option2_Click> },
    { "Option3", &GamePlay::call<&Game::Option3_Click> },
    { "Option4", &GamePlay::call<&Game::Option4_Click> },
    { "Timer1", &GamePlay::call<&Game::Timer1_Timer> },
    { "Timer2", &GamePlay::call<&Game::Timer2_Timer> },
    { "MnNuevoJuego", &GamePlay::call<&Game::MnNuevoJuego_Click> },
    { "MnSalir", &GamePlay::call<&Game::MnSalir_Click> },
    { "MnAyuda2", &GamePlay::call<&Game::MnAyuda2_Click> },
} };

GamePlay::GamePlay(Widgets &widgets, Surroundings &surroundings)
    : m_widgets(widgets)
    , m_game(*this, surroundings)
{
    for (std::size_t i = 0; i < kCaptionNames.size(); ++i) {
        m_captions[i] = fromDesign(control(kCaptionNames[i]).caption);
    }
    m_letraEnabled.fill(true);
    for (std::size_t i = 0; i < kColourNames.size(); ++i) {
        m_colours[i] = designColour(control(kColourNames[i]).text);
    }
}

void GamePlay::built()
{
    // The client area the window's run-time outer size leaves: the picture stores
    // designed further right stay out of sight.
    for (const Control &designed : form1::kControls) {
        if (designed.kind != design::Kind::Timer
            && designed.place.left >= form1::kRunTimeClient.width) {
            m_widgets.setVisible(designed, false);
        }
    }
    for (int i = 0; i < kLetraCount; ++i) {
        m_widgets.setAccessibleDescription(form1::letra(i), form1::kKeyAvailable);
    }
    // A screen reader says where an option stands among the themes.
    for (std::size_t i = 0; i < kOptionNames.size(); ++i) {
        m_widgets.setAccessibleDescription(control(kOptionNames[i]),
            formatText(form1::kOptionPosition,
                { std::to_string(i + 1), std::to_string(kOptionNames.size()) }));
    }
}

bool GamePlay::load()
{
    m_game.Form_Load();
    if (m_game.ended()) {
        return false;
    }
    for (const std::string_view name : { "Timer1", "Timer2" }) {
        m_widgets.startTimer(control(name), timerPeriod(control(name)));
    }
    m_timersRunning = true;
    return true;
}

void GamePlay::shown()
{
    focusFirstLetra();
    // The first word was drawn while the window loaded, before anyone could hear it.
    announceNewWord();
}

void GamePlay::event(const Control &source)
{
    if (m_game.ended()) {
        return;
    }
    if (source.kind == design::Kind::Timer) {
        // The decorations' ticks change nothing a player listens for.
        route(source.name);
        return;
    }
    narrated([this, &source] {
        if (source.name == "Letra") {
            m_game.Letra_Click(static_cast<std::int16_t>(source.index));
        } else if (source.kind == design::Kind::Option) {
            optionSelected(source);
        } else {
            route(source.name);
        }
    });
}

void GamePlay::route(std::string_view name)
{
    for (const Route &entry : kRoutes) {
        if (entry.name == name) {
            (this->*entry.handler)();
            return;
        }
    }
}

void GamePlay::menu(std::string_view item)
{
    if (m_game.ended()) {
        return;
    }
    if (item == "MnAcerca") {
        about();
        return;
    }
    narrated([this, item] { route(item); });
}

void GamePlay::optionSelected(const Control &option)
{
    // A theme is picked when its option becomes the selected one, by the mouse or by the
    // arrow keys; choosing the selected one again picks nothing.
    const auto found = std::find(kOptionNames.begin(), kOptionNames.end(), option.name);
    const int selected = static_cast<int>(found - kOptionNames.begin()) + 1;
    if (found == kOptionNames.end() || selected == m_selectedOption) {
        return;
    }
    m_selectedOption = selected;
    route(option.name);
}

void GamePlay::typed(const Control &key, char32_t character)
{
    // Typed characters are matched through the game's own code page, whatever the
    // desktop's: a character it lacks guesses nothing.
    const int code = cp1252::fromUnicode(character);
    if (code <= 0 || m_game.ended()) {
        return;
    }
    // A letter already tried guesses nothing; a listener, who cannot see its key
    // greyed, is told so.
    const std::string upper(
        1, static_cast<char>(cp1252::toUpper(static_cast<unsigned char>(code))));
    for (int i = 0; i < kLetraCount; ++i) {
        if (!letraEnabled(i) && letraCaption(i) == upper) {
            m_widgets.announce(formatText(speech::kLetterTried, { form1::letra(i).caption }));
            return;
        }
    }
    narrated([this, &key, code] {
        m_game.Letra_KeyPress(
            static_cast<std::int16_t>(key.index), static_cast<std::int16_t>(code));
    });
}

template <typename Action> void GamePlay::narrated(Action action)
{
    const int wordsDrawn = m_wordsDrawn;
    const std::string word = caption(Caption::Pelicula1);
    const std::string tries = caption(Caption::Label4);
    const auto keys = m_letraEnabled;
    action();
    if (m_game.ended()) {
        return;
    }
    if (m_wordsDrawn != wordsDrawn) {
        // A new round, after a report or on request: what came before is over.
        announceNewWord();
        return;
    }
    if (caption(Caption::Label4) == tries) {
        return; // nothing was tried
    }
    const bool found = caption(Caption::Pelicula1) != word;
    std::string sentence;
    for (int i = 0; i < kLetraCount; ++i) {
        if (keys.at(static_cast<std::size_t>(i)) && !letraEnabled(i)) {
            sentence = formatText(found ? speech::kLetterFound : speech::kLetterMissing,
                           { form1::letra(i).caption })
                + ' ';
        }
    }
    // A miss raises the gallows, and only then is its stage told.
    sentence += roundStateSentence(shownWord(), cp1252::toUtf8(caption(Caption::Label4)),
        cp1252::toUtf8(caption(Caption::Label5)), found ? -1 : m_stage);
    m_widgets.announce(sentence);
}

void GamePlay::announceNewWord()
{
    const auto option = static_cast<std::size_t>(m_selectedOption - 1);
    std::string theme(control(kOptionNames.at(option)).caption);
    if (const std::string_view note = speech::kThemeNotes.at(option); !note.empty()) {
        theme += ", " + std::string(control(note).caption);
    }
    m_widgets.announce(newWordSentence(theme, shownWord()));
}

std::string GamePlay::shownWord() const
{
    return cp1252::toUtf8(caption(Caption::Pelicula1));
}

void GamePlay::speakRound()
{
    if (m_game.ended()) {
        return;
    }
    std::string tried;
    for (int i = 0; i < kLetraCount; ++i) {
        if (!letraEnabled(i)) {
            tried += (tried.empty() ? "" : ", ") + std::string(form1::letra(i).caption);
        }
    }
    m_widgets.announce(roundStateSentence(shownWord(), cp1252::toUtf8(caption(Caption::Label4)),
                           cp1252::toUtf8(caption(Caption::Label5)), m_stage)
        + ' '
        + (tried.empty() ? std::string(speech::kNoneTried)
                         : formatText(speech::kTried, { tried })));
}

void GamePlay::speakCounters()
{
    if (m_game.ended()) {
        return;
    }
    m_widgets.announce(formatText(speech::kCounters,
        { cp1252::toUtf8(caption(Caption::Label11)), cp1252::toUtf8(caption(Caption::Label6)) }));
}

std::string GamePlay::caption(Caption label) const
{
    return m_captions.at(static_cast<std::size_t>(label));
}

void GamePlay::setCaption(Caption label, const std::string &text)
{
    m_captions.at(static_cast<std::size_t>(label)) = text;
    if (label == Caption::Label7) {
        ++m_wordsDrawn;
    }
    if (label == Caption::Pelicula1) {
        fitPelicula1();
        return;
    }
    m_widgets.setCaption(of(label), cp1252::toUtf8(text));
}

void GamePlay::fitPelicula1()
{
    // Pelicula1 shows words longer than its width in a smaller size of its font, and the
    // longest over several lines, rather than cutting them off.
    const Control &label = control("Pelicula1");
    const std::string text = cp1252::toUtf8(caption(Caption::Pelicula1));
    const CaptionFit fit = fitCaption(text, label.font.points, m_widgets.lineRoom(label),
        [this, &label](std::string_view line, double points) {
            return m_widgets.textWidth(label, line, points);
        });
    std::string shown;
    for (const std::string &line : fit.lines) {
        shown += shown.empty() ? line : "\n" + line;
    }
    m_widgets.setFontSize(label, fit.points);
    m_widgets.setCaption(label, shown);
    m_widgets.setAccessibleDescription(label,
        formatText(
            form1::kHiddenWordDescription, { std::to_string(caption(Caption::Pelicula1).size()) }));
}

std::string GamePlay::letraCaption(int index) const
{
    return fromDesign(form1::letra(index).caption);
}

bool GamePlay::letraEnabled(int index) const
{
    return m_letraEnabled.at(static_cast<std::size_t>(index));
}

void GamePlay::setLetraEnabled(int index, bool enabled)
{
    const Control &key = form1::letra(index);
    if (!enabled && m_widgets.hasFocus(key)) {
        // The focus stays among the letter keys, so that typing goes on guessing.
        for (int step = 1; step < kLetraCount; ++step) {
            const int next = (index + step) % kLetraCount;
            if (letraEnabled(next)) {
                m_widgets.setFocus(form1::letra(next));
                break;
            }
        }
    }
    m_letraEnabled.at(static_cast<std::size_t>(index)) = enabled;
    m_widgets.setEnabled(key, enabled);
    m_widgets.setAccessibleDescription(key, enabled ? form1::kKeyAvailable : form1::kKeyTried);
}

bool GamePlay::focusFirstLetra()
{
    if (!letraEnabled(0)) {
        return false;
    }
    m_widgets.setFocus(form1::letra(0));
    return true;
}

std::string GamePlay::solveText() const
{
    return cp1252::fromUtf8(m_widgets.text(control("Text1")));
}

void GamePlay::setSolveText(const std::string &text)
{
    m_widgets.setText(control("Text1"), cp1252::toUtf8(text));
}

int GamePlay::selectedOption() const
{
    return m_selectedOption;
}

void GamePlay::showStage(int stage)
{
    const int shown = std::clamp(stage, 0, kLastStage);
    m_stage = shown;
    const Control &image = control("Image1");
    m_widgets.sharePicture(control("Image3", shown), image);
    m_widgets.setAccessibleName(image,
        formatText(form1::kStageName, { std::to_string(shown), std::to_string(kLastStage) }));
}

PictureId GamePlay::picture(ImageControl image) const
{
    return m_widgets.picture(of(image));
}

void GamePlay::sharePicture(ImageControl source, ImageControl target)
{
    m_widgets.sharePicture(of(source), of(target));
}

Rgb GamePlay::textColour(ColourLabel label) const
{
    return m_colours.at(static_cast<std::size_t>(label));
}

void GamePlay::setTextColour(ColourLabel label, Rgb colour)
{
    m_colours.at(static_cast<std::size_t>(label)) = colour;
    m_widgets.setTextColour(of(label), colour);
}

MessageAnswer GamePlay::messageBox(
    const std::string &text, MessageStyle style, const std::string &title)
{
    return m_widgets.messageBox(shownMessage(text), style, cp1252::toUtf8(title));
}

void GamePlay::endProgram()
{
    if (m_timersRunning) {
        for (const std::string_view name : { "Timer1", "Timer2" }) {
            m_widgets.stopTimer(control(name));
        }
        m_timersRunning = false;
    }
    m_widgets.endProgram(m_game.failed());
}

std::string shownMessage(std::string_view text)
{
    const std::string utf8 = cp1252::toUtf8(text);
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            shown += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else {
            shown += utf8[i];
        }
    }
    return shown;
}

int timerPeriod(const Control &timer)
{
    return std::max(timer.interval, design::kTimerResolutionMs);
}

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto argument = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && argument < args.size()) {
            text += *(args.begin() + argument);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace quimbelo::play
