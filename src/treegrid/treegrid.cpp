// Anchor of the tree-grid library; its classes live in the files beside this one.
