// Anchor of the window library; its classes live in the files beside this one.
