// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include <cstdarg>
#include <cstdio>
#include <string_view>

namespace odds {

namespace {

constexpr std::array<std::string_view, PayingSymbols> SymbolNames = {
    "Diamond", "Crown", "Lucky Seven", "Bell", "Bar", "Horseshoe", "Grapes", "Cherries"};

__attribute__((format(printf, 1, 2))) std::string format(const char *pattern, ...)
{
    std::va_list args;
    va_start(args, pattern);
    std::va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, pattern, args);
    va_end(args);
    std::string out(std::size_t(size) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), pattern, again);
    va_end(again);
    out.resize(std::size_t(size));
    return out;
}

// 27000 reads 27,000.
std::string grouped(long long n)
{
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(std::size_t(i), ",");
    return n < 0 ? "-" + digits : digits;
}

std::string percent(double fraction, int decimals = 2)
{
    return format("%.*f %%", decimals, fraction * 100);
}

std::string oneIn(int count)
{
    return count > 0 ? grouped((Combinations + count / 2) / count) : "never";
}

// Breaks a paragraph into indented lines of at most 88 characters.
std::string wrapped(std::string_view text, std::string_view indent)
{
    std::string out;
    std::string line(indent);
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(at, end - at);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 88) {
            out += line + "\n";
            line = indent;
        }
        if (line.size() > indent.size())
            line += ' ';
        line += word;
        at = end + 1;
    }
    return out + line + "\n";
}

std::string coinsWord(int coins)
{
    return coins == 1 ? "1 coin" : std::to_string(coins) + " coins";
}

std::string picture(int symbol)
{
    return format("<img src=\"help/symbol%d.png\" width=\"28\" height=\"28\">", symbol);
}

std::string pictures(int a, int b, int c)
{
    return picture(a) + picture(b) + picture(c);
}

} // namespace

Odds workOut(long long spins, std::uint32_t seed)
{
    Odds odds;
    odds.seed = seed;
    odds.line = countLine(0);
    for (int coins = 1; coins <= 3; ++coins) {
        odds.exact[coins - 1] = exactReturn(coins);
        odds.played[coins - 1] = simulate(coins, spins, seed + std::uint32_t(coins));
    }
    return odds;
}

std::string asText(const Odds &odds)
{
    const LineCounts &l = odds.line;
    std::string out = "One payline, over all 27,000 combinations of the three stops\n\n";
    out += format("  %-26s %12s %10s %11s %11s %6s\n", "Line shows", "Combinations",
                  "with Wild", "Probability", "about 1 in", "Pays");
    for (int s = 0; s < PayingSymbols; ++s) {
        const Triple &t = l.paying[std::size_t(s)];
        const std::string name = "3 x " + std::string(SymbolNames[std::size_t(s)]) + " (" +
                                 std::to_string(s) + ")";
        out += format("  %-26s %12s %10s %11s %11s %6d\n", name.c_str(), grouped(t.count).c_str(),
                      grouped(t.withWild).c_str(), percent(double(t.count) / Combinations, 3).c_str(),
                      oneIn(t.count).c_str(), t.pay);
    }
    out += format("  %-26s %12s %10s %11s %11s %6s\n", "3 x Bonus", grouped(l.bonus).c_str(), "",
                  percent(double(l.bonus) / Combinations, 3).c_str(), oneIn(l.bonus).c_str(), "vault");
    out += format("  %-26s %12s %10s %11s %11s %6s\n", "Bonus, Bonus, Wild (bet)",
                  grouped(l.bonusWild).c_str(), "", percent(double(l.bonusWild) / Combinations, 3).c_str(),
                  oneIn(l.bonusWild).c_str(), "vault");
    out += format("  %-26s %12s %10s %11s\n", "no match", grouped(l.noMatch).c_str(), "",
                  percent(double(l.noMatch) / Combinations, 3).c_str());
    out += format("\n  Line pays over all combinations: %s credits\n", grouped(l.pays).c_str());
    out += format("  Average prize of the vault: %.2f credits\n\n", vaultCredits());

    out += "Return per coin bet, exact\n\n";
    out += format("  %-8s %13s %22s\n", "Bet", "line wins", "line wins and vault");
    for (const ExactReturn &e : odds.exact) {
        const int coins = int(&e - odds.exact.data()) + 1;
        out += format("  %-8s %13s %22s\n", coinsWord(coins).c_str(), percent(e.lines).c_str(),
                      percent(e.linesAndVault).c_str());
    }

    out += format("\nFull return with the nudges and the vault, %s spins for each bet "
                  "(seed %u)\n\n", grouped(odds.played[0].spins).c_str(), odds.seed);
    out += format("  %-8s %9s %21s\n", "Bet", "return", "99 % interval");
    for (const Simulation &s : odds.played) {
        const std::string interval = percent(s.ret - s.halfWidth99) + " - " + percent(s.ret + s.halfWidth99);
        out += format("  %-8s %9s %21s\n", coinsWord(s.coins).c_str(), percent(s.ret).c_str(),
                      interval.c_str());
    }
    out += "\n  Where it comes from, per coin bet, and how often\n\n";
    out += format("  %-8s %11s %11s %9s %10s %12s %18s\n", "Bet", "spin lines", "nudge lines",
                  "vault", "spins won", "vaults/1000", "nudges/100 won:used");
    for (const Simulation &s : odds.played) {
        const double staked = double(s.staked);
        out += format("  %-8s %11s %11s %9s %10s %12.2f %10.2f : %5.2f\n", coinsWord(s.coins).c_str(),
                      percent(double(s.spinCredits) / staked).c_str(),
                      percent(double(s.nudgeCredits) / staked).c_str(),
                      percent(double(s.vaultCredits) / staked).c_str(),
                      percent(double(s.winningSpins) / double(s.spins), 1).c_str(),
                      1000.0 * double(s.vaults) / double(s.spins),
                      100.0 * double(s.nudgesEarned) / double(s.spins),
                      100.0 * double(s.nudgesUsed) / double(s.spins));
    }
    out += "\n  How the nudges are used:\n" + wrapped(NudgePolicy, "    ");
    return out;
}

std::string asHtml(const Odds &odds)
{
    const LineCounts &l = odds.line;
    constexpr const char *Table = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
    std::string out = "<h3>One payline</h3>\n"
                      "<p>Each reel stops at one of its 30 places, every place as likely as any "
                      "other, so the three reels make 27,000 combinations. Every payline sees "
                      "the same strips and so has the same odds:</p>\n";
    out += Table;
    out += "<tr><th align=\"left\">Line shows</th><th>Combinations</th><th>with the Wild</th>"
           "<th>Probability</th><th>About once in</th><th>Pays</th></tr>\n";
    for (int s = 0; s < PayingSymbols; ++s) {
        const Triple &t = l.paying[std::size_t(s)];
        out += format("<tr><td>%s</td><td align=\"right\" valign=\"middle\">%s</td><td align=\"right\" valign=\"middle\">%s</td>"
                      "<td align=\"right\" valign=\"middle\">%s</td><td align=\"right\" valign=\"middle\">%s spins</td>"
                      "<td align=\"right\" valign=\"middle\">%d</td></tr>\n",
                      pictures(s, s, s).c_str(), grouped(t.count).c_str(), grouped(t.withWild).c_str(),
                      percent(double(t.count) / Combinations, 3).c_str(), oneIn(t.count).c_str(), t.pay);
    }
    out += format("<tr><td>%s</td><td align=\"right\" valign=\"middle\">%s</td><td></td><td align=\"right\" valign=\"middle\">%s</td>"
                  "<td align=\"right\" valign=\"middle\">%s spins</td><td align=\"right\" valign=\"middle\">vault</td></tr>\n",
                  pictures(8, 8, 8).c_str(), grouped(l.bonus).c_str(),
                  percent(double(l.bonus) / Combinations, 3).c_str(), oneIn(l.bonus).c_str());
    out += format("<tr><td>%s</td><td align=\"right\" valign=\"middle\">%s</td><td></td><td align=\"right\" valign=\"middle\">%s</td>"
                  "<td align=\"right\" valign=\"middle\">%s spins</td><td align=\"right\" valign=\"middle\">vault, bet line</td></tr>\n",
                  pictures(8, 8, 9).c_str(), grouped(l.bonusWild).c_str(),
                  percent(double(l.bonusWild) / Combinations, 3).c_str(), oneIn(l.bonusWild).c_str());
    out += format("<tr><td>anything else</td><td align=\"right\" valign=\"middle\">%s</td><td></td>"
                  "<td align=\"right\" valign=\"middle\">%s</td><td></td><td></td></tr>\n</table>\n",
                  grouped(l.noMatch).c_str(), percent(double(l.noMatch) / Combinations, 3).c_str());
    out += format("<p>Over all 27,000 combinations one line pays %s credits. A vault holds "
                  "%.2f credits on average (250, 100, 50, 25 and 25 credits and three times "
                  "6 Nudges behind eight safes).</p>\n",
                  grouped(l.pays).c_str(), vaultCredits());

    out += "<h3>What comes back, without nudges</h3>\n"
           "<p>The share of the coins bet that comes back, worked out exactly over every "
           "combination:</p>\n";
    out += Table;
    out += "<tr><th align=\"left\">Bet</th><th>Line wins</th><th>Line wins and the vault</th></tr>\n";
    for (const ExactReturn &e : odds.exact) {
        const int coins = int(&e - odds.exact.data()) + 1;
        out += format("<tr><td>%s</td><td align=\"right\" valign=\"middle\">%s</td><td align=\"right\" valign=\"middle\">%s</td></tr>\n",
                      coinsWord(coins).c_str(), percent(e.lines).c_str(), percent(e.linesAndVault).c_str());
    }
    out += "</table>\n";

    out += "<h3>What comes back, all told</h3>\n";
    out += format("<p>With the nudges the sums grow too tangled to work out by hand, so the "
                  "machine played %s spins for each bet. %s</p>\n",
                  grouped(odds.played[0].spins).c_str(), std::string(NudgePolicy).c_str());
    out += Table;
    out += "<tr><th align=\"left\">Bet</th><th>Return</th><th>99 % sure to lie within</th></tr>\n";
    for (const Simulation &s : odds.played) {
        out += format("<tr><td>%s</td><td align=\"right\" valign=\"middle\"><b>%s</b></td><td align=\"right\" valign=\"middle\">%s to %s</td></tr>\n",
                      coinsWord(s.coins).c_str(), percent(s.ret).c_str(),
                      percent(s.ret - s.halfWidth99).c_str(), percent(s.ret + s.halfWidth99).c_str());
    }
    out += "</table>\n<p>Where the credits come from, for every 100 coins bet, and how often "
           "things happen:</p>\n";
    out += Table;
    out += "<tr><th align=\"left\">Bet</th><th>Lines won by spins</th><th>Lines won by nudges</th>"
           "<th>The vault</th><th>Spins that win</th><th>Vaults per 1,000 spins</th>"
           "<th>Nudges won and used per 100 spins</th></tr>\n";
    for (const Simulation &s : odds.played) {
        const double staked = double(s.staked);
        out += format("<tr><td>%s</td><td align=\"right\" valign=\"middle\">%.1f</td><td align=\"right\" valign=\"middle\">%.1f</td>"
                      "<td align=\"right\" valign=\"middle\">%.1f</td><td align=\"right\" valign=\"middle\">%s</td>"
                      "<td align=\"right\" valign=\"middle\">%.2f</td>"
                      "<td align=\"right\" valign=\"middle\">%.2f won, %.2f used</td></tr>\n",
                      coinsWord(s.coins).c_str(), 100.0 * double(s.spinCredits) / staked,
                      100.0 * double(s.nudgeCredits) / staked, 100.0 * double(s.vaultCredits) / staked,
                      percent(double(s.winningSpins) / double(s.spins), 1).c_str(),
                      1000.0 * double(s.vaults) / double(s.spins),
                      100.0 * double(s.nudgesEarned) / double(s.spins),
                      100.0 * double(s.nudgesUsed) / double(s.spins));
    }
    out += "</table>\n";
    return out;
}

} // namespace odds
