#pragma once
// The files the reader keeps beside the anthology in its working directory:
// the pages' background image, written at start-up when missing, and the
// generated pages, removed at exit.
namespace versilo {

// Writes the built-in background image to "poembg.jpg". Shows "Find Resource
// Failure." or "Create JPG File Failure." and returns false on failure.
bool ExtractBackground();

// Removes "main.htm", "poem.htm" and "author.htm", making them writable
// first (the generators leave them read-only). Missing files are fine.
void RemovePageFiles();

}  // namespace versilo
