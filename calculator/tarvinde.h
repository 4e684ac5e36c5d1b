#pragma once

#include <cstdint>
#include <string>

#include "message_box.h"

// The feast calculator of the Southern Netherlands. Stateless: every operation
// computes afresh from its arguments. Years up to 1582 are Julian, from 1583 Gregorian.
// The feasts' days come from the feast table (feasts.h) for the default region, the
// path the year view takes too; Weekdag and the Easter operations keep their own rules.
//
// Operations returning text give the feast text shown in the window: the Dutch
// weekday and date ("zaterdag 1 januari 2000"), sometimes with a note.
// Eleven of them guard themselves: a failure inside them is reported through the
// message box ("Error Encountered") and they return normally, usually with an
// empty text. The others (Weekdag, IsSchrikkeljaar, PaasDatum, PaasdatumPreCal,
// EasternMonth, EasternDay) let a Failure (failure.h) reach their caller.
class Tarvinde {
public:
    explicit Tarvinde(MessageBox& box) : box_(box) {}

    // Easter in Gaul: the Gallic date for twenty early-medieval years,
    // " idem Pasen Rome" for every other year.
    std::string PasenGallie(std::int16_t CYear) const;
    // 1 for a leap year (Julian rule up to 1582, Gregorian from 1583), else 0.
    std::int16_t IsSchrikkeljaar(std::int16_t CYear) const;
    std::string HemelvaartDag(std::int16_t CYear) const;  // Easter + 39 days
    std::string NieuwjaarDag(std::int16_t CYear) const;   // 1 January
    std::string Palmzondag(std::int16_t CYear) const;     // Easter - 7 days
    std::string OLVtenHemel(std::int16_t CYear) const;    // 15 August
    std::string Allerheiligen(std::int16_t CYear) const;  // 1 November
    std::string Allerzielen(std::int16_t CYear) const;    // 2 November
    std::string Kerstmis(std::int16_t CYear) const;       // 25 December, note in 1582
    std::string Oudjaarsavond(std::int16_t CYear) const;  // 31 December, note in 1582
    std::string Aswoensdag(std::int16_t CYear) const;     // Easter - 46 days
    std::string PinksterenDag(std::int16_t CYear) const;  // Easter + 49 days
    // Weekday and date text of any day and month of a year; days and months
    // outside their range carry into neighbouring months and years.
    std::string Weekdag(std::int16_t CDay, std::int16_t CMonth, std::int16_t CYear) const;
    std::string PaasDatum(std::int16_t CYear) const;  // Easter Sunday (Rome)
    // Days from 28 March to Easter Sunday (-6 .. 28 for years from 1 on).
    std::int16_t PaasdatumPreCal(std::int16_t CYear) const;
    std::int16_t EasternMonth(std::int16_t CYear) const;  // 3 or 4
    std::int16_t EasternDay(std::int16_t CYear) const;    // day within EasternMonth

private:
    template <class Body>
    std::string guarded(const char* procedure, Body body) const;

    MessageBox& box_;
};
