// The fifty filter slots of the List of Sims: each sets its box's bit of the
// masks and lists the sims again.
#include "sheet/Tolvane.h"

void Tolvane::setFilter(FilterMasks::Filter filter, bool on)
{
    m_masks.set(filter, on);
    updateModels();
}

bool Tolvane::passesFilters(Sim *sim) const
{
    return sim && m_masks.passes(*sim);
}

void Tolvane::setAliveFilter(bool on) { setFilter(FilterMasks::Alive, on); }
void Tolvane::setDeadFilter(bool on) { setFilter(FilterMasks::Dead, on); }
void Tolvane::setPlayableFilter(bool on) { setFilter(FilterMasks::Playable, on); }
void Tolvane::setTownieFilter(bool on) { setFilter(FilterMasks::Townie, on); }
void Tolvane::setNPCFilter(bool on) { setFilter(FilterMasks::NPC, on); }
void Tolvane::setRunawayFilter(bool on) { setFilter(FilterMasks::Runaway, on); }
void Tolvane::setAdoptionFilter(bool on) { setFilter(FilterMasks::Adoption, on); }
void Tolvane::setDowntownieFilter(bool on) { setFilter(FilterMasks::Downtownie, on); }
void Tolvane::setGardenClubFilter(bool on) { setFilter(FilterMasks::GardenClub, on); }
void Tolvane::setIslandFilter(bool on) { setFilter(FilterMasks::Island, on); }
void Tolvane::setMountainFilter(bool on) { setFilter(FilterMasks::Mountain, on); }
void Tolvane::setAsianFilter(bool on) { setFilter(FilterMasks::Asian, on); }
void Tolvane::setTouristFilter(bool on) { setFilter(FilterMasks::Tourist, on); }
void Tolvane::setHobbyFilter(bool on) { setFilter(FilterMasks::Hobby, on); }
void Tolvane::setSocialiteFilter(bool on) { setFilter(FilterMasks::Socialite, on); }
void Tolvane::setBohemianFilter(bool on) { setFilter(FilterMasks::Bohemian, on); }
void Tolvane::setJockFilter(bool on) { setFilter(FilterMasks::Jock, on); }
void Tolvane::setTechieFilter(bool on) { setFilter(FilterMasks::Techie, on); }
void Tolvane::setGearheadFilter(bool on) { setFilter(FilterMasks::Gearhead, on); }
void Tolvane::setHumanFilter(bool on) { setFilter(FilterMasks::Human, on); }
void Tolvane::setLargeDogFilter(bool on) { setFilter(FilterMasks::LargeDog, on); }
void Tolvane::setSmallDogFilter(bool on) { setFilter(FilterMasks::SmallDog, on); }
void Tolvane::setCatFilter(bool on) { setFilter(FilterMasks::Cat, on); }
void Tolvane::setMaleFilter(bool on) { setFilter(FilterMasks::Male, on); }
void Tolvane::setFemaleFilter(bool on) { setFilter(FilterMasks::Female, on); }
void Tolvane::setBabyFilter(bool on) { setFilter(FilterMasks::Baby, on); }
void Tolvane::setToddlerFilter(bool on) { setFilter(FilterMasks::Toddler, on); }
void Tolvane::setChildFilter(bool on) { setFilter(FilterMasks::Child, on); }
void Tolvane::setTeenFilter(bool on) { setFilter(FilterMasks::Teen, on); }
void Tolvane::setYAFilter(bool on) { setFilter(FilterMasks::YA, on); }
void Tolvane::setAdultFilter(bool on) { setFilter(FilterMasks::Adult, on); }
void Tolvane::setElderFilter(bool on) { setFilter(FilterMasks::Elder, on); }
void Tolvane::setNoneFilter(bool on) { setFilter(FilterMasks::None, on); }
void Tolvane::setGrowUpFilter(bool on) { setFilter(FilterMasks::GrowUp, on); }
void Tolvane::setFortuneFilter(bool on) { setFilter(FilterMasks::Fortune, on); }
void Tolvane::setFamilyFilter(bool on) { setFilter(FilterMasks::Family, on); }
void Tolvane::setPopularityFilter(bool on) { setFilter(FilterMasks::Popularity, on); }
void Tolvane::setRomanceFilter(bool on) { setFilter(FilterMasks::Romance, on); }
void Tolvane::setKnowledgeFilter(bool on) { setFilter(FilterMasks::Knowledge, on); }
void Tolvane::setPleasureFilter(bool on) { setFilter(FilterMasks::Pleasure, on); }
void Tolvane::setGrilledCheeseFilter(bool on) { setFilter(FilterMasks::GrilledCheese, on); }
void Tolvane::setNormalFilter(bool on) { setFilter(FilterMasks::Normal, on); }
void Tolvane::setAlienFilter(bool on) { setFilter(FilterMasks::Alien, on); }
void Tolvane::setZombieFilter(bool on) { setFilter(FilterMasks::Zombie, on); }
void Tolvane::setVampireFilter(bool on) { setFilter(FilterMasks::Vampire, on); }
void Tolvane::setWerewolfFilter(bool on) { setFilter(FilterMasks::Werewolf, on); }
void Tolvane::setServoFilter(bool on) { setFilter(FilterMasks::Servo, on); }
void Tolvane::setPlantsimFilter(bool on) { setFilter(FilterMasks::Plantsim, on); }
void Tolvane::setBigfootFilter(bool on) { setFilter(FilterMasks::Bigfoot, on); }
void Tolvane::setWitchFilter(bool on) { setFilter(FilterMasks::Witch, on); }
