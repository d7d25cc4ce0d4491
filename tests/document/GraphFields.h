#pragma once
// Comparing two graphs, or two coordinate systems, field by field.
#include "graph/Cls9.h"
#include "scene/Cls3.h"
#include "tests/document/RecordFieldList.h"

#include <gtest/gtest.h>

#include <string>

// Every field of the graph record of `a` equals that of `b` (the lists up to
// their counts, MinT and MaxT when animated).
void ExpectSameRecordFields(const Cls9& a, const Cls9& b);
// Every field of the table record and every grid point.
void ExpectSameTableFields(Cls9& a, Cls9& b);
// Every field of the record `written` is saved as (the table record for a
// table, the graph record otherwise) equals that of `read`.
void ExpectSameGraphFields(Cls9& written, Cls9& read);
// Every setting of `a` equals that of `b`.
void ExpectSameAxes(const Cls3& a, const Cls3& b);
