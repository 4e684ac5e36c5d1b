#pragma once

// The forms the clause reader knows the saints' days of saints.tsv by: the Latin
// forms the file gives, and the Middle Dutch and Old French forms made from each
// saint's name by the patterns datings use (saint-patterns.tsv, each with its
// source), so that "sente Gillis daghe" and "la feste saint Gille" are read as
// "sinte Gillis dach" and "la saint Gille" are.

#include <string>
#include <vector>

#include "feasts.h"

namespace saint_forms {

struct Form {
    const feasts::Feast* feast;
    std::string text;  // "sinte Margrieten daghe", "le jour sainte Marguerite", "beate Margarete"
    bool eve;          // the form names the feast's eve ("sinte Gillis avont")
};

// Every form of every saint's day of saints.tsv, in the file's order; without
// `patterns`, only the forms the file gives.
std::vector<Form> forms(bool patterns = true);

}  // namespace saint_forms
