// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The decision tree: the whole knowledge of the consultation, as constant
// data. Each node is held by one question screen (tanyaN holds node N). The
// checks at the bottom run when the program is compiled, so an edit that
// breaks the tree fails the build instead of a consultation.

#include <array>
#include <cstddef>
#include <string_view>

namespace knowledge {

enum class Answer { Ya, Tidak };

struct Outcome
{
    enum Kind { Next, Conclusion, DeadEnd };
    Kind kind = DeadEnd;
    int next = -1;             // node to hand over to, for Next
    std::string_view code;     // conclusion code, for Conclusion
};

constexpr Outcome nextQuestion(int node) { return {Outcome::Next, node, {}}; }
constexpr Outcome conclusion(std::string_view code) { return {Outcome::Conclusion, -1, code}; }
constexpr Outcome deadEnd() { return {Outcome::DeadEnd, -1, {}}; }

struct Node
{
    int depth = 0;                 // answers given before the node is reached
    std::string_view question;     // exactly as the question label shows it
    Outcome ya;
    Outcome tidak;
    int back = -1;                 // the parent; -1 for the root

    constexpr const Outcome &outcome(Answer answer) const { return answer == Answer::Ya ? ya : tidak; }
};

constexpr int noBack = -1;

inline constexpr std::array<Node, 13> tree{{
    /* 0 */ {0, "Apakah Anda Berusia Antara 10 tahun sampai 50 tahun ?", nextQuestion(1), deadEnd(), noBack},
    /* 1 */ {1, "Apakah Anda Mengalami Nyeri Pada Tenggorokan ?", nextQuestion(2), deadEnd(), 0},
    /* 2 */ {2, "Apakah Anda Mengalami Nyeri Pada Waktu Menelan ?", nextQuestion(3), deadEnd(), 1},
    /* 3 */ {3, "Apakah Badan Anda Terasa Demam ?", nextQuestion(9), nextQuestion(4), 2},
    /* 4 */ {4, "Apakah Disertai Dengan Batuk ?", nextQuestion(5), nextQuestion(7), 3},
    /* 5 */ {5, "Apakah Batuk Kering ?", conclusion("ya5"), nextQuestion(6), 4},
    /* 6 */ {6, "Apakah Suara Anda Menjadi Serak ?", conclusion("ya6"), conclusion("tidak6"), 5},
    /* 7 */ {5, "Apakah  Suara Anda Menjadi Sengau ?", conclusion("ya7"), nextQuestion(8), 4},
    /* 8 */ {6, "Apakah Anda Mengalami Gangguan Pencernaan ? ", conclusion("ya8"), conclusion("tidak8"), 7},
    /* 9 */ {4, "Apakah Anda Mengalami Sakit Kepala ?", nextQuestion(10), nextQuestion(12), 3},
    /* 10 */ {5, "Apakah Anda Mengalami Muntah-muntah ?", conclusion("ya10"), nextQuestion(11), 9},
    /* 11 */ {6, "Apakah Mulut Anda Terasa Nyeri ?", conclusion("ya11"), conclusion("tidak11"), 10},
    /* 12 */ {5, "Apakah Anda Mengalami Bengkak Pada Leher ?", conclusion("ya12"), conclusion("tidak12"), 9},
}};

inline constexpr std::size_t conclusionCount = 11;

// The answer that leads from a node to a conclusion code, as the code spells
// it, and the number of the node written in decimal.
constexpr std::string_view answerWord(Answer answer) { return answer == Answer::Ya ? "ya" : "tidak"; }

namespace check {

template <std::size_t N>
constexpr bool inRange(const std::array<Node, N> &, int node)
{
    return node >= 0 && node < int(N);
}

// How many outcomes lead to the node.
template <std::size_t N>
constexpr int parentCount(const std::array<Node, N> &nodes, int node)
{
    int count = 0;
    for (const Node &n : nodes) {
        for (const Outcome &o : {n.ya, n.tidak})
            count += (o.kind == Outcome::Next && o.next == node) ? 1 : 0;
    }
    return count;
}

template <std::size_t N>
constexpr bool nextTargetsExist(const std::array<Node, N> &nodes)
{
    for (const Node &n : nodes) {
        for (const Outcome &o : {n.ya, n.tidak}) {
            if (o.kind == Outcome::Next && !inRange(nodes, o.next))
                return false;
        }
    }
    return true;
}

// The root has no parent and no back target; every other node has exactly
// one parent, and its back target is that parent.
template <std::size_t N>
constexpr bool backTargetsAreParents(const std::array<Node, N> &nodes)
{
    if (nodes[0].back != noBack || parentCount(nodes, 0) != 0)
        return false;
    for (int i = 1; i < int(N); ++i) {
        const int parent = nodes[i].back;
        if (!inRange(nodes, parent) || parentCount(nodes, i) != 1)
            return false;
        const Node &p = nodes[parent];
        const bool leadsHere = (p.ya.kind == Outcome::Next && p.ya.next == i)
                               || (p.tidak.kind == Outcome::Next && p.tidak.next == i);
        if (!leadsHere)
            return false;
    }
    return true;
}

// Depth grows by one along every edge. With one parent each, this also rules
// out cycles and makes every node reachable from the root.
template <std::size_t N>
constexpr bool depthsFollowParents(const std::array<Node, N> &nodes)
{
    if (nodes[0].depth != 0)
        return false;
    for (int i = 1; i < int(N); ++i) {
        if (!inRange(nodes, nodes[i].back) || nodes[i].depth != nodes[nodes[i].back].depth + 1)
            return false;
    }
    return true;
}

constexpr bool isCodeOf(std::string_view code, Answer answer, int node)
{
    const std::string_view word = answerWord(answer);
    if (code.substr(0, word.size()) != word)
        return false;
    std::string_view digits = code.substr(word.size());
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0'))
        return false;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value == node;
}

// Every conclusion code is "ya" or "tidak" as answered, then the node's number.
template <std::size_t N>
constexpr bool codesNameTheirLeaf(const std::array<Node, N> &nodes)
{
    for (int i = 0; i < int(N); ++i) {
        for (Answer a : {Answer::Ya, Answer::Tidak}) {
            const Outcome &o = nodes[i].outcome(a);
            if (o.kind == Outcome::Conclusion && !isCodeOf(o.code, a, i))
                return false;
        }
    }
    return true;
}

template <std::size_t N>
constexpr std::size_t codeCount(const std::array<Node, N> &nodes, std::string_view code = {})
{
    std::size_t count = 0;
    for (const Node &n : nodes) {
        for (const Outcome &o : {n.ya, n.tidak})
            count += (o.kind == Outcome::Conclusion && (code.empty() || o.code == code)) ? 1 : 0;
    }
    return count;
}

// Each code stands at one leaf only, so it is reached by exactly one path.
template <std::size_t N>
constexpr bool codesAreDistinct(const std::array<Node, N> &nodes)
{
    for (const Node &n : nodes) {
        for (const Outcome &o : {n.ya, n.tidak}) {
            if (o.kind == Outcome::Conclusion && codeCount(nodes, o.code) != 1)
                return false;
        }
    }
    return true;
}

} // namespace check

static_assert(check::nextTargetsExist(tree), "a next question names no node of the tree");
static_assert(check::backTargetsAreParents(tree), "every node but the root needs exactly one parent, its back target");
static_assert(check::depthsFollowParents(tree), "a node's depth must be its parent's depth plus one");
static_assert(check::codesNameTheirLeaf(tree), "a conclusion code must be \"ya\" or \"tidak\" as answered, then its node's number");
static_assert(check::codesAreDistinct(tree), "two leaves share a conclusion code");
static_assert(check::codeCount(tree) == conclusionCount, "the tree must end in exactly 11 conclusions");

// One answer on the way to a conclusion.
struct Step
{
    int node = -1;
    Answer answer = Answer::Ya;
};

// The answers that lead from the root to the conclusion, root first; empty
// when no leaf carries the code. Each code is reached by exactly one path.
struct Path
{
    std::array<Step, tree.size()> steps{};
    std::size_t length = 0;

    constexpr const Step *begin() const { return steps.data(); }
    constexpr const Step *end() const { return steps.data() + length; }
    constexpr bool empty() const { return length == 0; }
};

constexpr Path pathTo(std::string_view code)
{
    Path path;
    for (int i = 0; i < int(tree.size()); ++i) {
        for (Answer a : {Answer::Ya, Answer::Tidak}) {
            const Outcome &o = tree[i].outcome(a);
            if (o.kind != Outcome::Conclusion || o.code != code)
                continue;
            // Walk up to the root, then turn the steps round.
            Step step{i, a};
            while (true) {
                path.steps[path.length++] = step;
                const int parent = tree[step.node].back;
                if (parent == noBack)
                    break;
                step = {parent, tree[parent].ya.kind == Outcome::Next && tree[parent].ya.next == step.node
                                    ? Answer::Ya : Answer::Tidak};
            }
            for (std::size_t l = 0, r = path.length - 1; l < r; ++l, --r) {
                const Step t = path.steps[l];
                path.steps[l] = path.steps[r];
                path.steps[r] = t;
            }
            return path;
        }
    }
    return path;
}

static_assert(pathTo("ya10").length == 6 && pathTo("tidak8").length == 7 && pathTo("ya99").empty());

} // namespace knowledge
