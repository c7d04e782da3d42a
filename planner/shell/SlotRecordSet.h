#pragma once
// The record-set slots of the database that the commands share. Slots 1 to 6
// hold one table each, by its TabellaNumero (as RecordSetImpostaDefault loads
// them); these are the working ones.
enum SlotRecordSet : int {
    SlotLibero = 7,     // new rows added by tools and tests
    SlotMeta = 8,       // the trip on screen: its record, its stages, the defaults
    SlotRicerca = 9,    // lists, searches and a locality's guide entries
    SlotScrittura = 10, // the trip record being stored, the guide being rewritten
};
