// Word tables for the menu: main courses, puddings and drinks. The spellings
// "Gilled Veal" and "Potatos" are the menu's own and stay as they are.
#pragma once

#include <string_view>

namespace brewick::words {

// The tables keep the rows and groups they are written in.
// clang-format off

inline constexpr std::string_view kMainIngredients[] = {
    // ingredients alone
    "Goat", "Mutton", "Lamb", "Meat", "Horse", "Rabbit", "Liver", "Bacon", "Pigeon", "Beef",
    "Goose", "Quail", "Chicken", "Pork", "Egg", "Duck Egg", "Goose Egg", "Duck", "Fish",
    "Boar", "Veal", "Steak", "Mushroom", "Vegetable",
    // spicy, 21
    "Spicy Goat", "Spicy Mutton", "Spicy Lamb", "Spicy Meat", "Spicy Horse", "Spicy Rabbit",
    "Spicy Liver", "Spicy Pigeon", "Spicy Beef", "Spicy Goose", "Spicy Quail", "Spicy Chicken",
    "Spicy Pork", "Spicy Egg", "Spicy Duck", "Spicy Fish", "Spicy Boar", "Spicy Veal",
    "Spicy Vegetable", "Spicy Steak", "Spicy Mushroom",
    // roasted, 20
    "Roasted Goat", "Roasted Mutton", "Roasted Lamb", "Roasted Meat", "Roasted Horse",
    "Roasted Rabbit", "Roasted Liver", "Roasted Pigeon", "Roasted Beef", "Roasted Goose",
    "Roasted Quail", "Roasted Chicken", "Roasted Pork", "Roasted Duck", "Roasted Fish",
    "Roasted Boar", "Roasted Veal", "Roasted Vegetable", "Roasted Steak", "Roasted Mushroom",
    // boiled, 21
    "Boiled Goat", "Boiled Mutton", "Boiled Lamb", "Boiled Meat", "Boiled Horse",
    "Boiled Rabbit", "Boiled Liver", "Boiled Pigeon", "Boiled Beef", "Boiled Goose",
    "Boiled Quail", "Boiled Chicken", "Boiled Pork", "Boiled Egg", "Boiled Duck",
    "Boiled Fish", "Boiled Boar", "Boiled Veal", "Boiled Vegetable", "Boiled Steak",
    "Boiled Mushroom",
    // grilled, 20
    "Grilled Goat", "Grilled Mutton", "Grilled Lamb", "Grilled Meat", "Grilled Horse",
    "Grilled Rabbit", "Grilled Liver", "Grilled Pigeon", "Grilled Beef", "Grilled Goose",
    "Grilled Quail", "Grilled Chicken", "Grilled Pork", "Grilled Duck", "Grilled Fish",
    "Grilled Boar", "Gilled Veal", "Grilled Vegetable", "Grilled Steak", "Grilled Mushroom",
    // baked, 20
    "Baked Goat", "Baked Mutton", "Baked Lamb", "Baked Meat", "Baked Horse", "Baked Rabbit",
    "Baked Liver", "Baked Pigeon", "Baked Beef", "Baked Goose", "Baked Quail", "Baked Chicken",
    "Baked Pork", "Baked Duck", "Baked Fish", "Baked Boar", "Baked Veal", "Baked Vegetable",
    "Baked Steak", "Baked Mushroom",
    // fried, 20
    "Fried Goat", "Fried Mutton", "Fried Lamb", "Fried Meat", "Fried Horse", "Fried Rabbit",
    "Fried Liver", "Fried Pigeon", "Fried Beef", "Fried Goose", "Fried Quail", "Fried Chicken",
    "Fried Pork", "Fried Egg", "Fried Duck", "Fried Fish", "Fried Boar", "Fried Veal",
    "Fried Steak", "Fried Mushroom",
    // smoked, 18
    "Smoked Goat", "Smoked Mutton", "Smoked Lamb", "Smoked Meat", "Smoked Horse",
    "Smoked Rabbit", "Smoked Liver", "Smoked Pigeon", "Smoked Beef", "Smoked Goose",
    "Smoked Quail", "Smoked Chicken", "Smoked Pork", "Smoked Duck", "Smoked Fish",
    "Smoked Boar", "Smoked Veal", "Smoked Steak",
};

inline constexpr std::string_view kMainDishes[] = {
    "Pie", "Bake", "and Rice", "and Lentils", "Sausages", "Grill", "Parcels", "Roll",
    "Surprise", "Stew", "Hash", "Salad", "Goulash", "Roast", "Casserole", "Soup", "Kebabs",
    "Potatos", "Pasties",
};

inline constexpr std::string_view kPuddingFlavours[] = {
    "Apple", "Pear", "Fruit", "Gooseberry", "Almond", "Nut", "Walnut", "Strawberry",
    "Raspberry", "Blueberry", "Rhubarb", "Mixed Fruit", "Peach", "Lemon", "Lime", "Date",
    "Apricot", "Cherry", "Orange", "Banana", "Grape",
};

inline constexpr std::string_view kPuddings[] = {
    "Pie", "Bake", "Custard", "Sorbet", "Crumble", "Cake", "Surprise", "Flan", "Pudding",
    "Flake",
};

inline constexpr std::string_view kDrinkNames[] = {
    "King's", "Wilbur's", "Royal", "Duke's", "Master's", "Watson's", "Pedigree",
    "Old Peculiar", "Red Roger's", "Reaver's", "Imported", "Local", "Captain's Choice",
    "Queen's", "Old Roger's", "Old Tom's", "Bishop's", "Light", "Spring", "Autumn", "Winter",
    "Dwarven", "Goblin", "Orc", "Special", "House", "Golden", "Best", "Master Jack's", "Plum",
    "Pear", "Ventrian", "Scorlish", "Reserve",
};

inline constexpr std::string_view kDrinks[] = {
    "Mead", "Wine", "Wine", "Port", "Grog", "Ale", "Ale", "Brandy", "Bitter", "Stout",
    "Spirits", "Beer", "Gold", "Red",
};

// clang-format on

}  // namespace brewick::words
