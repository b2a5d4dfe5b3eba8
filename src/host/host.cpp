// Anchor of the host library; its classes live in the files beside this one.
