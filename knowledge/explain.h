// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the system says of its own reasoning, derived from the tree and the
// conclusion table when the program is compiled, so nothing in it is typed
// twice: why a question is asked (what each answer still leaves possible) and
// how a result was reached (the answers on the way to it). The texts are
// constant data; showing one costs a look-up.

#include "knowledge/conclusions.h"
#include "knowledge/tree.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace knowledge {

// An answer as the option buttons name it.
constexpr std::string_view answerName(Answer answer) { return answer == Answer::Ya ? "Ya" : "Tidak"; }

// A node's question without the blanks around it, as the explanations and
// the printed page quote it.
constexpr std::string_view quotedQuestion(int node)
{
    std::string_view q = tree[std::size_t(node)].question;
    while (!q.empty() && q.front() == ' ')
        q.remove_prefix(1);
    while (!q.empty() && q.back() == ' ')
        q.remove_suffix(1);
    return q;
}

// The disease of a conclusion code; empty for a code the table lacks.
constexpr std::string_view diseaseOf(std::string_view code)
{
    for (const Conclusion &c : conclusions) {
        if (c.code == code)
            return c.disease;
    }
    return {};
}

// Distinct disease names, in the order first met.
struct Diseases
{
    std::array<std::string_view, conclusions.size()> names{};
    std::size_t count = 0;

    constexpr const std::string_view *begin() const { return names.data(); }
    constexpr const std::string_view *end() const { return names.data() + count; }
    constexpr bool empty() const { return count == 0; }
    constexpr bool contains(std::string_view name) const
    {
        for (std::string_view n : *this) {
            if (n == name)
                return true;
        }
        return false;
    }
    constexpr void add(std::string_view name)
    {
        if (!contains(name) && count < names.size())
            names[count++] = name;
    }
};

namespace detail {

// Ya before Tidak, so the diseases come in the tree's order. The depth bound
// only keeps a broken tree (which tree.h already rejects) from recursing.
constexpr void collect(const Outcome &outcome, Diseases &into, std::size_t depth = 0)
{
    if (depth > tree.size())
        return;
    if (outcome.kind == Outcome::Conclusion)
        into.add(diseaseOf(outcome.code));
    if (outcome.kind == Outcome::Next && outcome.next >= 0 && outcome.next < int(tree.size())) {
        for (Answer a : {Answer::Ya, Answer::Tidak})
            collect(tree[std::size_t(outcome.next)].outcome(a), into, depth + 1);
    }
}

} // namespace detail

// What an answer on a node still leaves possible: the diseases of the
// conclusions below it. None when the answer ends without a diagnosis.
constexpr Diseases possibleAfter(int node, Answer answer)
{
    Diseases diseases;
    detail::collect(tree[std::size_t(node)].outcome(answer), diseases);
    return diseases;
}

namespace detail {

// Writes a text, or with no output only counts its length, so that the
// tables below are sized by what they hold.
struct Writer
{
    char *out = nullptr;
    std::size_t length = 0;

    constexpr Writer &operator<<(std::string_view s)
    {
        for (char c : s) {
            if (out)
                out[length] = c;
            ++length;
        }
        return *this;
    }
};

// "Mengapa ditanyakan? Ya: A, B atau C. Tidak: D."
constexpr void writeWhy(Writer &w, int node)
{
    w << "Mengapa ditanyakan?";
    for (Answer a : {Answer::Ya, Answer::Tidak}) {
        w << " " << answerName(a) << ": ";
        const Diseases diseases = possibleAfter(node, a);
        if (diseases.empty())
            w << "berakhir tanpa diagnosa";
        for (std::size_t i = 0; i < diseases.count; ++i)
            w << (i == 0 ? "" : i + 1 == diseases.count ? " atau " : ", ") << diseases.names[i];
        w << ".";
    }
}

// A heading, then one line a question: the question and the answer given.
constexpr void writeHow(Writer &w, std::string_view code)
{
    w << "Jawaban yang menuju diagnosa ini:";
    for (const Step &step : pathTo(code))
        w << "\n" << quotedQuestion(step.node) << "  " << answerName(step.answer);
}

template <std::size_t N>
struct Text
{
    std::array<char, N> chars{};
    std::size_t length = 0;
    constexpr std::string_view view() const { return {chars.data(), length}; }
};

constexpr std::size_t whyLength(int node)
{
    Writer w;
    writeWhy(w, node);
    return w.length;
}

constexpr std::size_t howLength(std::string_view code)
{
    Writer w;
    writeHow(w, code);
    return w.length;
}

constexpr std::size_t longestWhy()
{
    std::size_t longest = 0;
    for (int node = 0; node < int(tree.size()); ++node)
        longest = whyLength(node) > longest ? whyLength(node) : longest;
    return longest;
}

constexpr std::size_t longestHow()
{
    std::size_t longest = 0;
    for (const Conclusion &c : conclusions)
        longest = howLength(c.code) > longest ? howLength(c.code) : longest;
    return longest;
}

constexpr auto makeWhys()
{
    std::array<Text<longestWhy()>, tree.size()> texts{};
    for (int node = 0; node < int(tree.size()); ++node) {
        Writer w{texts[std::size_t(node)].chars.data()};
        writeWhy(w, node);
        texts[std::size_t(node)].length = w.length;
    }
    return texts;
}

// In the conclusion table's order.
constexpr auto makeHows()
{
    std::array<Text<longestHow()>, conclusions.size()> texts{};
    for (std::size_t i = 0; i < conclusions.size(); ++i) {
        Writer w{texts[i].chars.data()};
        writeHow(w, conclusions[i].code);
        texts[i].length = w.length;
    }
    return texts;
}

inline constexpr auto whys = makeWhys();
inline constexpr auto hows = makeHows();

} // namespace detail

// Why the node's question is asked: what each answer leaves possible.
constexpr std::string_view whyAsked(int node)
{
    return node >= 0 && node < int(tree.size()) ? detail::whys[std::size_t(node)].view() : std::string_view{};
}

// How the conclusion was reached: the answers that lead to it, one a line,
// as the printed page lists them. Empty for a code the table lacks.
constexpr std::string_view howReached(std::string_view code)
{
    for (std::size_t i = 0; i < conclusions.size(); ++i) {
        if (conclusions[i].code == code)
            return detail::hows[i].view();
    }
    return {};
}

namespace check {

// By index, not string_view::find: with -fsanitize=undefined GCC cannot
// evaluate find's pointer test at compile time.
constexpr bool contains(std::string_view text, std::string_view part)
{
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
        if (text.substr(at, part.size()) == part)
            return true;
    }
    return false;
}

constexpr bool isDisease(std::string_view name)
{
    for (const Conclusion &c : conclusions) {
        if (c.disease == name)
            return true;
    }
    return false;
}

// An explanation names a disease only if the conclusion table holds it, and
// its text names every disease it stands for.
constexpr bool explanationsNameTableDiseases()
{
    for (int node = 0; node < int(tree.size()); ++node) {
        for (Answer a : {Answer::Ya, Answer::Tidak}) {
            for (std::string_view name : possibleAfter(node, a)) {
                if (name.empty() || !isDisease(name) || !contains(whyAsked(node), name))
                    return false;
            }
        }
    }
    return true;
}

// On the way to a conclusion its disease stays possible under every answer
// taken, and the account of the way names each question and answer.
constexpr bool pathsKeepTheirDisease()
{
    for (const Conclusion &c : conclusions) {
        const Path path = pathTo(c.code);
        if (path.empty())
            return false;
        for (const Step &step : path) {
            if (!possibleAfter(step.node, step.answer).contains(c.disease))
                return false;
            if (!contains(howReached(c.code), quotedQuestion(step.node)))
                return false;
        }
    }
    return true;
}

// An answer ends without a diagnosis exactly when no conclusion lies below it.
constexpr bool deadEndsLeaveNothing()
{
    for (int node = 0; node < int(tree.size()); ++node) {
        for (Answer a : {Answer::Ya, Answer::Tidak}) {
            const bool deadEnd = tree[std::size_t(node)].outcome(a).kind == Outcome::DeadEnd;
            if (deadEnd != possibleAfter(node, a).empty())
                return false;
        }
    }
    return true;
}

} // namespace check

static_assert(check::explanationsNameTableDiseases(), "an explanation names a disease the conclusion table lacks");
static_assert(check::pathsKeepTheirDisease(),
              "along the path to a conclusion, its disease must be named under every answer taken");
static_assert(check::deadEndsLeaveNothing(), "an answer ends without a diagnosis exactly when no conclusion lies below it");

} // namespace knowledge
