// Merging the data sets of one measure: doublettes, areas and shares, the written code.
#include <gtest/gtest.h>

#include "doubles/FakeHost.h"
#include "measures/BiotopTypesOfMeasure.h"
#include "measures/SpeciesOfMeasure.h"

using namespace aggregate;

namespace {

TBiotopTypDataSets biotopTypes(std::initializer_list<std::pair<const char*, double>> codesAndAreas) {
  TBiotopTypDataSets list;
  for (const auto& [code, area] : codesAndAreas) {
    auto dataSet = std::make_unique<TBiotopTypDataSet>();
    dataSet->Biotoptyp = code;
    dataSet->Flaeche = area;
    list.push_back(std::move(dataSet));
  }
  return list;
}

TEST(BiotopTypDoublettes, PositiveAreasGatherOnTheFirstOfACode) {
  auto list = biotopTypes({{"WBA", 1.25}, {"GMF", -1}, {"WBA", 2.5}, {"WBA", -1}, {"GMF", 4}});
  list[2]->Bemerkung = "spaeter";
  MarkBiotopTypDoublettes(list);
  EXPECT_EQ(list[0]->Flaeche, 3.75);
  EXPECT_EQ(list[0]->Bemerkung, "");
  EXPECT_EQ(list[1]->Flaeche, 4);
  for (std::size_t i : {0U, 1U}) EXPECT_FALSE(list[i]->IsDoublette) << i;
  for (std::size_t i : {2U, 3U, 4U}) EXPECT_TRUE(list[i]->IsDoublette) << i;
}

TEST(BiotopTypDoublettes, WithoutPositiveAreasTheFirstKeepsItsOwn) {
  auto list = biotopTypes({{"WBA", 0}, {"WBA", -1}});
  MarkBiotopTypDoublettes(list);
  EXPECT_EQ(list[0]->Flaeche, 0);
}

TEST(BiotopTypDoublettes, CodesCompareExactlyAsRead) {
  auto list = biotopTypes({{"xGMF", 1}, {"GMF", 1}, {"gmf", 1}});
  MarkBiotopTypDoublettes(list);
  for (const auto& dataSet : list) EXPECT_FALSE(dataSet->IsDoublette) << dataSet->Biotoptyp;
}

TEST(BiotopTypShares, PercentOfTheMeasureUnrounded) {
  fakehost::reset();
  fakehost::hooks().getObjectArea = [](int32_t) { return 3.0; };
  auto list = biotopTypes({{"WBA", 1}, {"GMF", -1}, {"WBA", 1}});
  list[2]->IsDoublette = true;
  CalcFlaechenanteile(40, list);
  EXPECT_EQ(list[0]->Flaechenanteil, 1.0 / 3.0 * 100);
  EXPECT_EQ(list[1]->Flaechenanteil, 0);
  EXPECT_EQ(list[2]->Flaechenanteil, list[0]->Flaechenanteil);
  fakehost::hooks().getObjectArea = [](int32_t) { return 0.0; };
  CalcFlaechenanteile(40, list);
  EXPECT_EQ(list[0]->Flaechenanteil, 0);
  fakehost::reset();
}

TEST(BiotopTypCode, OnlyALowerCaseXYOrZIsStripped) {
  EXPECT_EQ(StripBiotopTypPrefix("xGMF"), "GMF");
  EXPECT_EQ(StripBiotopTypPrefix("yWBA"), "WBA");
  EXPECT_EQ(StripBiotopTypPrefix("zOZ"), "OZ");
  EXPECT_EQ(StripBiotopTypPrefix("XGMF"), "XGMF");
  EXPECT_EQ(StripBiotopTypPrefix("x"), "");
  EXPECT_EQ(StripBiotopTypPrefix(""), "");
  EXPECT_EQ(StripBiotopTypPrefix("WxA"), "WxA");
}

TFundortDataSets species(std::initializer_list<std::pair<const char*, bool>> namesAndKinds) {
  TFundortDataSets list;
  for (const auto& [name, isPflanze] : namesAndKinds) {
    auto dataSet = std::make_unique<TFundortDataSet>();
    dataSet->ArtName = name;
    dataSet->IsPflanze = isPflanze;
    list.push_back(std::move(dataSet));
  }
  return list;
}

TEST(FundortDoubletten, ANameCountsOncePerKind) {
  auto list = species(
      {{"A", false}, {"B", false}, {"A", true}, {"A", false}, {"a", false}, {"", false}, {"", false}});
  MarkFundortDoubletten(list);
  std::vector<bool> marked;
  for (const auto& dataSet : list) marked.push_back(dataSet->IsDoublette);
  EXPECT_EQ(marked, (std::vector<bool>{false, false, false, true, false, false, true}));
}

}  // namespace
