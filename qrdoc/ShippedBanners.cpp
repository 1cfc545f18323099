#include "qrdoc/Workspace.h"

namespace tessivo::qrdoc {

// The banner names the program ships with; a missing banner.txt is created with them.
const std::array<std::string_view, 50> kShippedBanners = {
    "FOR SALE",       "TO LET",        "OPEN DAY",       "OPEN HOUSE",      "GRAND OPENING",
    "NOW OPEN",       "CLOSING DOWN",  "SALE NOW ON",    "SPECIAL OFFER",   "NEW IN STOCK",
    "WELCOME",        "THANK YOU",     "HAPPY BIRTHDAY", "CONGRATULATIONS", "WEDDING",
    "PARTY TIME",     "LIVE MUSIC",    "QUIZ NIGHT",     "CAR BOOT SALE",   "JUMBLE SALE",
    "BAKE SALE",      "CHARITY EVENT", "FUN RUN",        "RAFFLE",          "LOST PET",
    "FOUND",          "WANTED",        "VACANCIES",      "JOIN US",         "VOLUNTEERS",
    "MEETING",        "WORKSHOP",      "CLASSES",        "SPORTS DAY",      "SUMMER FAIR",
    "CHRISTMAS FAIR", "FESTIVAL",      "EXHIBITION",     "CONCERT",         "THEATRE",
    "CINEMA NIGHT",   "MARKET DAY",    "FREE ENTRY",     "TICKETS",         "BOOK NOW",
    "LAST CHANCE",    "COMING SOON",   "OPENING TIMES",  "CONTACT US",      "INFORMATION",
};

}  // namespace tessivo::qrdoc
