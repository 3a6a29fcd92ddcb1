// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "arranger.h"

#include "gm.h"
#include "notation.h"
#include "synth.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numeric>

namespace soundgen {

namespace {
enum Channel { kLeadChannel = 0, kCounterChannel = 1, kCompChannel = 2, kBassChannel = 3, kPadChannel = 4, kDrumChannel = 9 };

// One beat of silence first, so every player has applied the programs and
// controllers before the first note.
constexpr int kLeadIn = kTicksPerBeat;
constexpr int kRitardandoBars = 2;

int hitVelocity(char symbol)
{
    switch (symbol) {
    case 'X': return 112;
    case 'o': return 58;
    default: return 88;
    }
}

int degreeInterval(const Chord &chord, char degree)
{
    const auto has = [&](int i) { return std::find(chord.intervals.begin(), chord.intervals.end(), i) != chord.intervals.end(); };
    switch (degree) {
    case '1': return 0;
    case '2': return 2;
    case '3': return has(3) ? 3 : has(5) ? 5 : 4;
    case '4': return 5;
    case '5': return has(6) ? 6 : has(8) ? 8 : 7;
    case '6': return 9;
    case '7': return has(11) ? 11 : has(9) && has(6) ? 9 : 10;
    case '8': return 12;
    default: throw NotationError("unknown bass degree '" + std::string(1, degree) + "'");
    }
}

class Arranger
{
public:
    explicit Arranger(const Song &song) : m_song(song), m_noise(song.seed) { }

    MidiFile run();

private:
    struct SectionContext {
        const Section &section;
        Progression progression;
        const Groove &groove;
        int start;
    };

    MidiTrack &setupTrack(const std::string &name, int channel, const Instrument &inst);
    void playSection(const SectionContext &ctx);
    void playLine(MidiTrack &track, int channel, const Instrument &inst, const std::string &text, int transpose,
                  const SectionContext &ctx);
    void playDrums(const SectionContext &ctx, int bar);
    void playBass(const SectionContext &ctx, int bar);
    void playComp(const SectionContext &ctx, int bar);
    void playPad(const SectionContext &ctx);
    std::vector<int> voice(const Chord &chord, const Instrument &inst, double &centre) const;
    const ChordSpan &chordAt(const SectionContext &ctx, int tick) const;
    bool isEndingBar(const SectionContext &ctx, int bar) const
    {
        return ctx.section.ending && bar == ctx.progression.bars - 1;
    }

    // Musical time (ticks from the song's first beat) to file time.
    int when(int tick) const;
    int shape(int velocity, int tick, int dynamic);

    const Song &m_song;
    Noise m_noise;
    MidiFile m_file;
    MidiTrack *m_lead = nullptr;
    MidiTrack *m_counter = nullptr;
    MidiTrack *m_comp = nullptr;
    MidiTrack *m_bass = nullptr;
    MidiTrack *m_pad = nullptr;
    MidiTrack *m_drums = nullptr;
    double m_compCentre = 0;
    double m_padCentre = 0;
    int m_lastBass = 0;
};

MidiFile Arranger::run()
{
    MidiTrack &conductor = m_file.addTrack(m_song.title);
    conductor.addSysex(0, {0x7e, 0x7f, 0x09, 0x01, 0xf7}); // General MIDI on
    conductor.addTimeSignature(0, kBeatsPerBar, 2);
    conductor.addTempo(0, m_song.bpm);

    m_lead = &setupTrack("Lead", kLeadChannel, m_song.lead);
    m_counter = &setupTrack("Counter", kCounterChannel, m_song.counter);
    m_comp = &setupTrack("Chords", kCompChannel, m_song.comp);
    m_bass = &setupTrack("Bass", kBassChannel, m_song.bass);
    m_pad = &setupTrack("Pad", kPadChannel, m_song.pad);
    m_drums = &setupTrack("Drums", kDrumChannel, m_song.drums);
    m_compCentre = (m_song.comp.low + m_song.comp.high) / 2.0;
    m_padCentre = (m_song.pad.low + m_song.pad.high) / 2.0;
    m_lastBass = m_song.bass.low;

    int tick = 0;
    for (const Section &section : m_song.sections) {
        try {
            Progression progression = parseProgression(section.chords);
            for (ChordSpan &span : progression.chords) {
                span.chord.root = (span.chord.root + section.transpose + 12) % 12;
                span.chord.bass = (span.chord.bass + section.transpose + 12) % 12;
            }
            if (section.groove < 0 || section.groove >= static_cast<int>(m_song.grooves.size()))
                throw NotationError("no groove " + std::to_string(section.groove));
            const SectionContext ctx{section, std::move(progression), m_song.grooves[static_cast<std::size_t>(section.groove)], tick};
            conductor.addMarker(when(tick), section.name);
            playSection(ctx);
            tick += ctx.progression.bars * kTicksPerBar;
        } catch (const NotationError &e) {
            throw NotationError(m_song.title + ", section " + section.name + ": " + e.what());
        }
    }

    if (!m_song.sections.empty() && m_song.sections.back().ending) {
        const int beats = kRitardandoBars * kBeatsPerBar;
        const int from = tick - beats * kTicksPerBeat;
        for (int i = 0; i < beats; ++i)
            conductor.addTempo(when(from + i * kTicksPerBeat), m_song.bpm * (1.0 - 0.3 * (i + 1) / beats));
    }
    m_file.setEndTick(when(tick) + kTicksPerBeat);
    return std::move(m_file);
}

MidiTrack &Arranger::setupTrack(const std::string &name, int channel, const Instrument &inst)
{
    MidiTrack &track = m_file.addTrack(name);
    track.addControl(0, channel, 0, 0); // bank select: the General MIDI bank
    track.addProgram(0, channel, inst.program);
    track.addControl(0, channel, 7, inst.volume);
    track.addControl(0, channel, 10, inst.pan);
    track.addControl(0, channel, 91, inst.reverb);
    return track;
}

void Arranger::playSection(const SectionContext &ctx)
{
    const Section &s = ctx.section;
    playLine(*m_lead, kLeadChannel, m_song.lead, s.melody, s.transpose, ctx);
    playLine(*m_counter, kCounterChannel, m_song.counter, s.counter, s.transpose + s.counterTranspose, ctx);
    if (s.pad)
        playPad(ctx);
    for (int bar = 0; bar < ctx.progression.bars; ++bar) {
        if (s.drums)
            playDrums(ctx, bar);
        if (s.bass)
            playBass(ctx, bar);
        if (s.comp)
            playComp(ctx, bar);
    }
}

void Arranger::playLine(MidiTrack &track, int channel, const Instrument &inst, const std::string &text, int transpose,
                        const SectionContext &ctx)
{
    const Line line = parseMelody(text);
    if (line.length > ctx.progression.bars * kTicksPerBar)
        throw NotationError("the line is longer than the chords");
    for (const NoteEvent &n : line.notes) {
        const int key = n.key + transpose;
        if (key < inst.low || key > inst.high)
            throw NotationError("key " + std::to_string(key) + " is outside the instrument's range");
        const int start = ctx.start + n.start;
        track.addNote(channel, key, shape(n.velocity, start, ctx.section.dynamic), when(start), when(start + n.length));
    }
}

void Arranger::playDrums(const SectionContext &ctx, int bar)
{
    static const std::vector<DrumLine> kEnding{{gm::Kick, "X..............."}, {gm::Crash, "X..............."}};
    const int barStart = ctx.start + bar * kTicksPerBar;
    const bool lastBar = bar == ctx.progression.bars - 1;
    const std::vector<DrumLine> &lines = isEndingBar(ctx, bar) ? kEnding
        : (lastBar && ctx.section.fill && !ctx.groove.fill.empty()) ? ctx.groove.fill
                                                                     : ctx.groove.drums;
    for (const DrumLine &line : lines) {
        const StepPattern pattern = parseSteps(line.steps);
        for (const Step &step : pattern.steps) {
            if (step.index / kStepsPerBar != bar % pattern.bars)
                continue;
            const int tick = barStart + (step.index % kStepsPerBar) * kTicksPerStep;
            m_drums->addNote(kDrumChannel, line.key, shape(hitVelocity(step.symbol), tick, ctx.section.dynamic), when(tick),
                             when(tick + kTicksPerStep));
        }
    }
    if (bar == 0 && ctx.section.crash && !isEndingBar(ctx, bar))
        m_drums->addNote(kDrumChannel, gm::Crash, shape(100, barStart, ctx.section.dynamic), when(barStart), when(barStart + kTicksPerStep));
}

void Arranger::playBass(const SectionContext &ctx, int bar)
{
    const Instrument &inst = m_song.bass;
    const int barStart = ctx.start + bar * kTicksPerBar;
    const auto rootKey = [&](const Chord &c) { return inst.low + ((c.bass - inst.low) % 12 + 12) % 12; };
    if (isEndingBar(ctx, bar)) {
        const int key = rootKey(chordAt(ctx, barStart).chord);
        m_bass->addNote(kBassChannel, key, shape(100, barStart, ctx.section.dynamic), when(barStart), when(barStart + kTicksPerBar - 60));
        return;
    }
    const StepPattern pattern = parseSteps(ctx.groove.bass);
    for (const Step &step : pattern.steps) {
        if (step.index / kStepsPerBar != bar % pattern.bars)
            continue;
        const int tick = barStart + (step.index % kStepsPerBar) * kTicksPerStep;
        const int length = step.length * kTicksPerStep;
        const ChordSpan &span = chordAt(ctx, tick);
        int key = rootKey(span.chord);
        if (step.symbol == 'a') {
            const int target = rootKey(chordAt(ctx, std::min(tick + length, ctx.start + ctx.progression.bars * kTicksPerBar - 1)).chord);
            key = m_lastBass < target ? target - 1 : target + 1;
        } else if (span.start + ctx.start != tick) {
            key += degreeInterval(span.chord, step.symbol);
        }
        m_bass->addNote(kBassChannel, key, shape(96, tick, ctx.section.dynamic), when(tick), when(tick + length - 20));
        m_lastBass = key;
    }
}

void Arranger::playComp(const SectionContext &ctx, int bar)
{
    const Instrument &inst = m_song.comp;
    const int barStart = ctx.start + bar * kTicksPerBar;
    struct Hit {
        int tick;
        int length;
        char symbol;
    };
    std::vector<Hit> hits;
    if (isEndingBar(ctx, bar)) {
        hits.push_back({barStart, kTicksPerBar - 60, 'x'});
    } else {
        const StepPattern pattern = parseSteps(ctx.groove.comp);
        for (const Step &step : pattern.steps) {
            if (step.index / kStepsPerBar == bar % pattern.bars)
                hits.push_back({barStart + (step.index % kStepsPerBar) * kTicksPerStep, step.length * kTicksPerStep, step.symbol});
        }
        // A chord change on a silent step still gets struck.
        for (const ChordSpan &span : ctx.progression.chords) {
            const int tick = ctx.start + span.start;
            if (tick < barStart || tick >= barStart + kTicksPerBar)
                continue;
            if (std::none_of(hits.begin(), hits.end(), [&](const Hit &h) { return h.tick == tick; }))
                hits.push_back({tick, kTicksPerBar, 'o'});
        }
        std::sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) { return a.tick < b.tick; });
    }
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const Hit &hit = hits[i];
        const ChordSpan &span = chordAt(ctx, hit.tick);
        // Under the pedal every note rings to the end of its chord.
        int end = ctx.start + span.start + span.length;
        if (!inst.pedal) {
            end = std::min(end, hit.tick + hit.length);
            if (i + 1 < hits.size())
                end = std::min(end, hits[i + 1].tick);
        }
        const bool newChord = ctx.start + span.start == hit.tick;
        const std::vector<int> keys = voice(span.chord, inst, m_compCentre);
        if (inst.pedal && newChord) {
            m_comp->addControl(when(hit.tick), kCompChannel, 64, 0);
            m_comp->addControl(when(hit.tick) + 20, kCompChannel, 64, 127);
        }
        const int velocity = shape(std::isdigit(static_cast<unsigned char>(hit.symbol)) ? 72 : hitVelocity(hit.symbol), hit.tick, ctx.section.dynamic);
        if (std::isdigit(static_cast<unsigned char>(hit.symbol))) {
            const int index = hit.symbol - '1';
            const int n = static_cast<int>(keys.size());
            const int key = keys[static_cast<std::size_t>(index % n)] + 12 * (index / n);
            m_comp->addNote(kCompChannel, key, velocity, when(hit.tick), when(end - 10));
        } else {
            for (const int key : keys)
                m_comp->addNote(kCompChannel, key, velocity, when(hit.tick), when(end - 10));
        }
    }
    if (inst.pedal && isEndingBar(ctx, bar))
        m_comp->addControl(when(barStart + kTicksPerBar), kCompChannel, 64, 0);
}

void Arranger::playPad(const SectionContext &ctx)
{
    for (const ChordSpan &span : ctx.progression.chords) {
        const int tick = ctx.start + span.start;
        const int velocity = shape(68, tick, ctx.section.dynamic);
        for (const int key : voice(span.chord, m_song.pad, m_padCentre))
            m_pad->addNote(kPadChannel, key, velocity, when(tick), when(tick + span.length - 10));
    }
}

std::vector<int> Arranger::voice(const Chord &chord, const Instrument &inst, double &centre) const
{
    // Close position around a centre that follows the previous chord, so
    // the voices move by small steps; the centre drifts back towards the
    // middle of the register so the comping never wanders off.
    std::vector<int> keys;
    const std::size_t count = std::min(chord.intervals.size(), static_cast<std::size_t>(inst.voices));
    for (std::size_t i = 0; i < count; ++i) {
        const int pc = (chord.root + chord.intervals[i]) % 12;
        int key = static_cast<int>(std::floor(centre)) - 6;
        key += ((pc - key) % 12 + 12) % 12;
        while (key < inst.low)
            key += 12;
        while (key > inst.high)
            key -= 12;
        keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    const double mean = std::accumulate(keys.begin(), keys.end(), 0.0) / static_cast<double>(keys.size());
    centre = 0.6 * mean + 0.4 * (inst.low + inst.high) / 2.0;
    return keys;
}

const ChordSpan &Arranger::chordAt(const SectionContext &ctx, int tick) const
{
    for (const ChordSpan &span : ctx.progression.chords) {
        if (tick >= ctx.start + span.start && tick < ctx.start + span.start + span.length)
            return span;
    }
    return ctx.progression.chords.back();
}

int Arranger::when(int tick) const
{
    const int beat = tick / kTicksPerBeat;
    const int pos = tick % kTicksPerBeat;
    const double half = kTicksPerBeat / 2.0;
    const double offbeat = m_song.swing * kTicksPerBeat;
    const double swung = pos <= half ? pos * offbeat / half : offbeat + (pos - half) * (kTicksPerBeat - offbeat) / half;
    return kLeadIn + beat * kTicksPerBeat + static_cast<int>(std::lround(swung));
}

int Arranger::shape(int velocity, int tick, int dynamic)
{
    // Strong first beat, lighter off-beats, and a little human unevenness.
    const int pos = tick % kTicksPerBar;
    const int accent = pos == 0 ? 6 : pos == kTicksPerBar / 2 ? 3 : pos % kTicksPerBeat == 0 ? 0 : -4;
    const int jitter = static_cast<int>(std::lround(m_noise.next() * 4.0f));
    return std::clamp(velocity * dynamic / 100 + accent + jitter, 1, 127);
}
} // namespace

MidiFile arrange(const Song &song)
{
    return Arranger(song).run();
}

} // namespace soundgen
